// FindLastSeparator and LeftPart on arbitrary bytes: the position found is a
// backslash that starts a character, no later character is a backslash, and
// LeftPart yields a prefix of the asked length.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string>
#include <string_view>

#include "check.h"
#include "repair/path_trim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int found = FindLastSeparator(text);
    Check(found == -1 || (found >= 1 && static_cast<size_t>(found) <= size));

    // Walk the characters: positions of standalone backslashes, up to a zero.
    int last = -1;
    for (size_t i = 0; i < size && data[i] != 0; ++i) {
        if (data[i] >= 0x80) {
            if (i + 1 >= size || data[i + 1] == 0)
                break;
            ++i;
        } else if (data[i] == '\\') {
            last = static_cast<int>(i) + 1;
        }
    }
    Check(found == last);

    const int n = size ? static_cast<int>(data[0]) - 64 : 0;
    const std::string left = LeftPart(text, n);
    const size_t expected = n <= 0 ? 0 : std::min(size, static_cast<size_t>(n));
    Check(left.size() == expected && text.substr(0, expected) == left);
    return 0;
}
