#include "repair/path_trim.h"

int FindLastSeparator(std::string_view text)
{
    int last = -1;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size && text[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            if (i + 1 >= size || text[i + 1] == '\0')
                break;
            ++i;  // the second byte belongs to this character
        } else if (byte == '\\') {
            last = static_cast<int>(i) + 1;
        }
    }
    return last;
}

std::string LeftPart(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    return std::string(text.substr(0, static_cast<std::size_t>(n)));
}
