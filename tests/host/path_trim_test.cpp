#include "repair/path_trim.h"

#include <gtest/gtest.h>

#include "gbk.h"

TEST(FindLastSeparator, FindsTheLastBackslashThatIsACharacterOfItsOwn)
{
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"", -1},
        {"Client.exe", -1},
        {"\\", 1},
        {"D:\\Games\\BnS", 9},
        {"D:\\Games\\", 9},
        {Gbk("淺"), -1},   // 9C 5C: the 5C is a second byte
        {Gbk("誠\\"), 3},  // D5 5C 5C
        {Gbk("D:\\誠"), 3},
        {Gbk("D:\\淺\\誠"), 6},
        {std::string("a\\\xB0"), 2},        // lone lead byte at the end
        {std::string("a\\\xB0\\b"), 2},     // B0 5C is one character
        {std::string("\x80\\x\\"), 4},      // 0x80 also takes the next byte
        {std::string("a\\b\0c\\d", 7), 2},  // the text ends at a zero byte
        {std::string("\xB0\0\\", 3), -1},   // lead byte before the zero
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindLastSeparator(c.text), c.expected) << testing::PrintToString(c.text);
}

TEST(LeftPart, TakesTheFirstBytesOrNothing)
{
    EXPECT_EQ(LeftPart("D:\\Games", 2), "D:");
    EXPECT_EQ(LeftPart("D:\\Games", 8), "D:\\Games");
    EXPECT_EQ(LeftPart("D:\\Games", 50), "D:\\Games");
    EXPECT_EQ(LeftPart("D:\\Games", 0), "");
    EXPECT_EQ(LeftPart("D:\\Games", -2), "");
    EXPECT_EQ(LeftPart("", 3), "");
}

// What the repair does with a chosen file: drop the last two components.
TEST(FindLastSeparator, TrimsAChosenFileToItsClientRoot)
{
    const auto root = [](const std::string& chosen) {
        const std::string folder = LeftPart(chosen, FindLastSeparator(chosen) - 1);
        return LeftPart(folder, FindLastSeparator(folder) - 1);
    };
    EXPECT_EQ(root("D:\\Games\\BnS\\bin\\Client.exe"), "D:\\Games\\BnS");
    EXPECT_EQ(root(Gbk("D:\\誠\\BIN\\Client.exe")), Gbk("D:\\誠"));
    EXPECT_EQ(root(Gbk("D:\\游戏\\淺\\BIN\\Client.exe")), Gbk("D:\\游戏\\淺"));
    EXPECT_EQ(root("D:\\Client.exe"), "");
    EXPECT_EQ(root("Client.exe"), "");
}
