#include "texts/builtin_texts.h"

#include <gtest/gtest.h>

#include "gbk.h"

TEST(BuiltinTexts, AreTheGbkBytesOfTheirTexts)
{
    const struct {
        std::string_view bytes;
        const char* text;
    } cases[] = {
        {kDefaultFilter, "剑灵主文件(Client.exe)|*.exe"},
        {kRegisterFailed, "剑灵文件注册失败！"},
        {kRepairError, "注册表修复错误，请使用管理员权限打开登录器。"},
        {kSuccessNotice, "注册表修复成功，请登录汉化工具。"},
        {kNoticeCaption, "信息："},
        {kReadFailed, "读取失败"},
        {kPathLinePrefix, "你的游戏路径为："},
        {kPathLabelText, "游戏路径："},
        {kRepairButtonText, "注册表修复"},
        {kRepairLogIntro, "点击注册表修复进行修复\r\n剑灵主文件一般位于剑灵客户端目录中的BIN目录里"},
        {kStartupFailed, "注册表修复工具无法启动：主窗口未能创建。"},
        {kDoubleByteSample, "中"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bytes, Gbk(c.text)) << c.text;
}

TEST(BuiltinTexts, SuccessNoticeIsSixteenCharactersInThirtyTwoBytes)
{
    EXPECT_EQ(kSuccessNotice.size(), 32u);
    EXPECT_EQ(kSuccessNotice.substr(0, 2), "\xD7\xA2");
    EXPECT_EQ(kSuccessNotice.substr(30), "\xA1\xA3");
}
