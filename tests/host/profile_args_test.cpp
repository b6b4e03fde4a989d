#include "texts/profile_args.h"

#include <gtest/gtest.h>

TEST(SkipLeadingBlanks, PassesOverControlBytesAndBlanksAtTheStartOnly)
{
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"fth", "fth"},
        {"  fth", "fth"},
        {"\t\r\n\x01\x1F\x20sousuo1", "sousuo1"},
        {"fth  ", "fth  "},
        {"   ", ""},
        {std::string("\0fth", 4), std::string("\0fth", 4)},  // zero is not a blank
        {"\x21x", "\x21x"},
        {"\xA1\xA1x", "\xA1\xA1x"},  // the ideographic space stays
    };
    for (const auto& c : cases)
        EXPECT_EQ(SkipLeadingBlanks(c.text), c.expected) << testing::PrintToString(c.text);
}
