// Checks ToBig5 against the pair rules on arbitrary bytes: same length,
// lone ASCII untouched, each valid GBK pair replaced by exactly its table
// entry, anything else left as it was.
#include "check.h"
#include "texts/big5.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::string out = ToBig5(in);
    Check(out.size() == size);
    const auto* o = reinterpret_cast<const unsigned char*>(out.data());

    size_t i = 0;
    while (i < size) {
        const unsigned lead = data[i];
        if (lead < 0x80 || i + 1 == size) {
            Check(o[i] == lead);
            ++i;
            continue;
        }
        const unsigned trail = data[i + 1];
        const bool valid =
            lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
        if (valid) {
            const size_t column = trail <= 0x7E ? trail - 0x40 : trail - 0x41;
            const unsigned char* entry = Big5Table + ((lead - 0x81) * 190 + column) * 2;
            Check(o[i] == entry[0] && o[i + 1] == entry[1]);
        } else {
            Check(o[i] == lead && o[i + 1] == trail);
        }
        i += 2;
    }
    Check(in == std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
