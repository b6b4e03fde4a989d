// SkipLeadingBlanks on arbitrary bytes: the result is a suffix, everything
// skipped is 0x01..0x20, and the result does not start with such a byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "check.h"
#include "texts/profile_args.h"

static bool IsBlank(unsigned char byte)
{
    return byte >= 0x01 && byte <= 0x20;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view rest = SkipLeadingBlanks(text);
    Check(rest.size() <= size && rest.data() + rest.size() == text.data() + text.size());
    const size_t skipped = size - rest.size();
    for (size_t i = 0; i < skipped; ++i)
        Check(IsBlank(data[i]));
    Check(rest.empty() || !IsBlank(static_cast<unsigned char>(rest[0])));
    return 0;
}
