// The code pages the tests run under, and the BIG5 table against the
// platform's own code pages 936 and 950.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "texts/big5.h"
#include "texts/builtin_texts.h"
#include "test_support.h"

namespace {

bool IsPrivateUse(wchar_t c)
{
    return c >= 0xE000 && c <= 0xF8FF;
}

}  // namespace

TEST(CodePage, AnsiCodePageFollowsTheLocale)
{
    const char* expected = std::getenv("REGREPAIR_EXPECTED_ACP");
    ASSERT_NE(expected, nullptr) << "run through CTest, which sets the locale";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

// Where code page 950 has the very character that code page 936 gives a code,
// the table must hold that character's code; every other entry must be A1 40
// or a character of 950. Unassigned and private-use GBK codes hold A1 40.
TEST(CodePage, Big5TableAgreesWithThePlatformCodePages)
{
    int same = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const int column = trail < 0x7F ? trail - 0x40 : trail - 0x41;
            const unsigned char* entry = Big5Table + ((lead - 0x81) * 190 + column) * 2;
            const char gbk[2] = {char(lead), char(trail)};
            const char big5[2] = {char(entry[0]), char(entry[1])};
            const bool space = entry[0] == 0xA1 && entry[1] == 0x40;
            SCOPED_TRACE(testing::Message() << std::hex << lead << ' ' << trail);

            wchar_t fromGbk = 0;
            const bool assigned =
                MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk, 2, &fromGbk, 1) == 1 &&
                !IsPrivateUse(fromGbk);
            if (!assigned) {
                EXPECT_TRUE(space);
                continue;
            }
            wchar_t fromEntry = 0;
            ASSERT_EQ(MultiByteToWideChar(950, MB_ERR_INVALID_CHARS, big5, 2, &fromEntry, 1), 1);

            char inBig5[2];
            BOOL lossy = FALSE;
            const bool has950 = WideCharToMultiByte(950, WC_NO_BEST_FIT_CHARS, &fromGbk, 1, inBig5,
                                                    2, nullptr, &lossy) == 2 &&
                                !lossy;
            if (has950) {
                EXPECT_EQ(fromEntry, fromGbk);
                ++same;
            } else {
                EXPECT_TRUE(space || fromEntry != fromGbk);
            }
        }
    }
    EXPECT_GT(same, 13000);
}

TEST(CodePage950, SuccessNoticeReadsInTraditionalCharacters)
{
    ASSERT_EQ(GetACP(), 950u);
    EXPECT_EQ(Wide(ToBig5(kSuccessNotice), CP_ACP), L"注冊表修复成功，請登錄漢化工具。");
}
