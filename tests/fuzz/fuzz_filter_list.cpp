// FilterList on arbitrary bytes: an empty list or one that ends with two zero
// bytes; no bar left that is a character of its own; every other byte kept.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "shell/filter_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view filter(reinterpret_cast<const char*>(data), size);
    const std::string list = FilterList(filter);
    if (list.empty())
        return 0;
    Check(list.size() >= 2 && list[list.size() - 1] == '\0' && list[list.size() - 2] == '\0');
    const std::string_view text = filter.substr(0, filter.find('\0'));
    Check(list.size() <= text.size() + 2);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (static_cast<unsigned char>(list[i]) >= 0x80) {
            ++i;  // a second byte may be anything but zero
            continue;
        }
        Check(list[i] != '|');
        if (i + 2 < list.size())  // the last two may be the appended close
            Check(list[i] == text[i] || (text[i] == '|' && list[i] == '\0'));
    }
    return 0;
}
