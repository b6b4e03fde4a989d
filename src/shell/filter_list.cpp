#include "shell/filter_list.h"

namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::string FilterList(std::string_view filter)
{
    filter = filter.substr(0, filter.find('\0'));
    while (!filter.empty() && IsWhiteSpace(filter.back()))
        filter.remove_suffix(1);
    if (filter.empty())
        return {};

    std::string list;
    list.reserve(filter.size() + 2);
    int trailingBars = 0;  // bars that are characters of their own, at the end
    for (std::size_t i = 0; i < filter.size(); ++i) {
        const char c = filter[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            list += c;
            if (i + 1 < filter.size())
                list += filter[++i];
            trailingBars = 0;
        } else if (c == '|') {
            list += '\0';
            ++trailingBars;
        } else {
            list += c;
            trailingBars = 0;
        }
    }
    if (trailingBars < 2)
        list.append(2, '\0');
    return list;
}
