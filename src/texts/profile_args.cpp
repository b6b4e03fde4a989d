#include "texts/profile_args.h"

std::string_view SkipLeadingBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x01 &&
           static_cast<unsigned char>(text[i]) <= 0x20)
        ++i;
    return text.substr(i);
}
