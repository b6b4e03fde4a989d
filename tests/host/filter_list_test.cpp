#include "shell/filter_list.h"

#include <gtest/gtest.h>

#include "gbk.h"

using namespace std::string_literals;

TEST(FilterList, TurnsBarsIntoZerosAndClosesTheList)
{
    const struct {
        std::string filter;
        std::string list;
    } cases[] = {
        {Gbk("剑灵主文件(Client.exe)|*.exe"), Gbk("剑灵主文件(Client.exe)") + "\0*.exe\0\0"s},
        {"A|*.a|B|*.b", "A\0*.a\0B\0*.b\0\0"s},
        {"A|*.a||", "A\0*.a\0\0"s},       // already closed: nothing appended
        {"A|*.a|", "A\0*.a\0\0\0"s},      // one bar is not a close
        {"A|*.a \t\r\n", "A\0*.a\0\0"s},  // trailing white space goes first
        {"A|*.a|| ", "A\0*.a\0\0"s},
        {" A|*.a", " A\0*.a\0\0"s},  // leading blanks stay
        {"A", "A\0\0"s},
        {"", ""},  // no filter at all
        {" \t\r\n", ""},
        {"A|*.a\0B|*.b"s, "A\0*.a\0\0"s},  // the text ends at a zero byte
        // 亅 is 81 7C: its second byte is not a bar.
        {Gbk("亅|*.exe"), Gbk("亅") + "\0*.exe\0\0"s},
        {Gbk("A|亅"), "A\0"s + Gbk("亅") + "\0\0"s},
        {Gbk("A|亅|"), "A\0"s + Gbk("亅") + "\0\0\0"s},
        {"A|\xB0", "A\0\xB0\0\0"s},  // lone lead byte at the end
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterList(c.filter), c.list) << testing::PrintToString(c.filter);
}
