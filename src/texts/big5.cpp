#include "texts/big5.h"

std::string ToBig5(std::string_view gbk)
{
    if (gbk.empty()) {
        return std::string();
    }
    std::string out(gbk);
    unsigned char* p = reinterpret_cast<unsigned char*>(out.data());
    unsigned char* const end = p + out.size();
    while (p < end) {
        const unsigned lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        if (end - p < 2) {
            break;  // lone lead byte at the end stays as it is
        }
        const unsigned trail = p[1];
        // Unsigned wrap-around turns each range test into one comparison.
        if (lead - 0x81u < 126u && trail - 0x40u < 191u && trail != 0x7Fu) {
            const unsigned column = trail - 0x40u - (trail > 0x7Fu ? 1u : 0u);
            const unsigned char* entry = Big5Table + ((lead - 0x81u) * 190u + column) * 2u;
            p[0] = entry[0];
            p[1] = entry[1];
        }
        p += 2;  // the trail byte is never a character of its own
    }
    return out;
}
