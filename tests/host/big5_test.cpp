#include "texts/big5.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Table entry for a GBK code, following the layout documented in big5.h.
std::string Entry(unsigned lead, unsigned trail)
{
    const unsigned column = trail < 0x7F ? trail - 0x40 : trail - 0x41;
    const std::size_t index = (lead - 0x81) * 190 + column;
    return std::string(reinterpret_cast<const char*>(Big5Table + index * 2), 2);
}

std::string Bytes(std::initializer_list<unsigned> values)
{
    std::string s;
    for (unsigned v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

struct Row {
    const char* what;
    unsigned gbk;
    unsigned big5;
};

// Characters of the tool's own messages, plus the edges of the table.
const Row kRows[] = {
    {"zhu (same char)", 0xD7A2, 0xAA60},
    {"ce -> traditional", 0xB2E1, 0xA555},
    {"biao", 0xB1ED, 0xAAED},
    {"xiu", 0xD0DE, 0xADD7},
    {"fu, kept although simplified", 0xB8B4, 0xCE60},
    {"cheng", 0xB3C9, 0xA6A8},
    {"gong", 0xB9A6, 0xA55C},
    {"fullwidth comma", 0xA3AC, 0xA141},
    {"qing -> traditional", 0xC7EB, 0xBDD0},
    {"deng", 0xB5C7, 0xB56E},
    {"lu -> traditional, first candidate", 0xC2BC, 0xBFFD},
    {"han -> traditional", 0xBABA, 0xBA7E},
    {"hua", 0xBBAF, 0xA4C6},
    {"gong (work)", 0xB9A4, 0xA475},
    {"ju", 0xBEDF, 0xA8E3},
    {"ideographic full stop", 0xA1A3, 0xA143},
    {"men -> traditional", 0xC3C7, 0xADCC},
    {"first code, no BIG5 form", 0x8140, 0xA140},
    {"user-defined", 0xA240, 0xA140},
    {"user-defined, area 1", 0xAAA1, 0xA140},
    {"user-defined, area 2", 0xF8A1, 0xA140},
};

TEST(Big5Table, KnownRows)
{
    for (const Row& row : kRows) {
        EXPECT_EQ(Entry(row.gbk >> 8, row.gbk & 0xFF), Bytes({row.big5 >> 8, row.big5 & 0xFF}))
            << row.what;
    }
}

// Every entry must be a real double-byte BIG5 code; a zero or stray byte
// would mean the generator lost its place.
TEST(Big5Table, EveryEntryIsADoubleByteBig5Code)
{
    for (std::size_t i = 0; i < kBig5TableSize; i += 2) {
        const unsigned first = Big5Table[i], second = Big5Table[i + 1];
        const bool first_ok = first >= 0xA1 && first <= 0xF9;
        const bool second_ok =
            (second >= 0x40 && second <= 0x7E) || (second >= 0xA1 && second <= 0xFE);
        EXPECT_TRUE(first_ok && second_ok) << "entry " << i / 2;
    }
}

TEST(ToBig5, SuccessNotice)
{
    // "注册表修复成功，请登录汉化工具。"
    const std::string gbk = Bytes({0xD7, 0xA2, 0xB2, 0xE1, 0xB1, 0xED, 0xD0, 0xDE, 0xB8, 0xB4, 0xB3,
                                   0xC9, 0xB9, 0xA6, 0xA3, 0xAC, 0xC7, 0xEB, 0xB5, 0xC7, 0xC2, 0xBC,
                                   0xBA, 0xBA, 0xBB, 0xAF, 0xB9, 0xA4, 0xBE, 0xDF, 0xA1, 0xA3});
    const std::string before = gbk;
    EXPECT_EQ(ToBig5(gbk), Bytes({0xAA, 0x60, 0xA5, 0x55, 0xAA, 0xED, 0xAD, 0xD7, 0xCE, 0x60, 0xA6,
                                  0xA8, 0xA5, 0x5C, 0xA1, 0x41, 0xBD, 0xD0, 0xB5, 0x6E, 0xBF, 0xFD,
                                  0xBA, 0x7E, 0xA4, 0xC6, 0xA4, 0x75, 0xA8, 0xE3, 0xA1, 0x43}));
    EXPECT_EQ(gbk, before);
}

struct Case {
    const char* what;
    std::string in;
    std::string out;
};

TEST(ToBig5, ScanRules)
{
    const Case cases[] = {
        {"empty", "", ""},
        {"ascii", "Client.exe", "Client.exe"},
        {"ascii around a pair", "a\xD7\xA2z", "a\xAA\x60z"},
        {"lone lead at the end", "ab\xB0", "ab\xB0"},
        {"lone lead after a pair", "\xD7\xA2\xB0", "\xAA\x60\xB0"},
        {"lead 0x80", "\x80\x41", "\x80\x41"},
        {"lead 0xFF", "\xFF\x41\xD7\xA2", "\xFF\x41\xAA\x60"},
        {"trail 0x7F", "\xB0\x7F\xD7\xA2", "\xB0\x7F\xAA\x60"},
        {"trail 0xFF", "\xB0\xFF\xD7\xA2", "\xB0\xFF\xAA\x60"},
        {"trail below 0x40, scan goes on", "\xB0\x20\xD7\xA2", "\xB0\x20\xAA\x60"},
        // B0 5C is one character (no BIG5 form); 5C is not kept as a backslash.
        {"ascii-range trail belongs to its pair", "\xB0\x5C", "\xA1\x40"},
        {"bad pair swallows a lead-looking trail", "\x80\xD7\xA2", "\x80\xD7\xA2"},
        {"first code", "\x81\x40", "\xA1\x40"},
        {"men", "\xC3\xC7", "\xAD\xCC"},
        {"last code", "\xFE\xFE", "\xA1\x40"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToBig5(c.in), c.out) << c.what;
    }
}

// Every convertible pair goes through the table, and nothing else changes
// the length; checks the column arithmetic at both sides of the 0x7F gap.
TEST(ToBig5, EveryPairUsesItsTableEntry)
{
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string out = ToBig5(Bytes({lead, trail}));
            ASSERT_EQ(out.size(), 2u);
            ASSERT_EQ(out, Entry(lead, trail)) << std::hex << lead << ' ' << trail;
        }
    }
}

}  // namespace
