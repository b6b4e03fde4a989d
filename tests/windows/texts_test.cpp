// The settings files, the notices and the run directory on the real platform.
#include <gtest/gtest.h>

#include "test_support.h"
#include "texts/big5.h"
#include "texts/builtin_texts.h"
#include "texts/lookup_text.h"
#include "texts/notice.h"
#include "texts/profile_text.h"
#include "texts/run_directory.h"
#include "texts/success_notice.h"

namespace {

// Every test starts without settings files beside the executable and in the
// run directory.
class Settings : public testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override
    {
        RemoveSettings();
        SetCurrentDirectoryA(TestDirectory().c_str());
    }
    static void RemoveSettings()
    {
        RemoveFile(TestDirectory() + "\\peizhi.ini");
        RemoveFile(TestDirectory() + "\\peizhi2.ini");
    }
};

using ProfileText = Settings;
using Lookup = Settings;
using Switch = Settings;

}  // namespace

TEST_F(ProfileText, ReadsValuesAndDefaults)
{
    SettingsFile file("peizhi2.ini",
                      "[wenzi]\r\nsousuo1=filter|*.exe\r\nsousuo3=\r\nSousuo4=Mixed\r\n"
                      "sousuo5=" +
                          Gbk("自定义") + "\r\n[other]\r\nk=v\r\n");
    const std::string& path = file.path();
    const struct {
        std::string file, section, key, fallback, expected;
    } cases[] = {
        {path, "wenzi", "sousuo1", "d", "filter|*.exe"},
        {path, "wenzi", "sousuo3", "d", ""},             // empty value, not the default
        {path, "WENZI", "SOUSUO4", "d", "Mixed"},        // names ignore letter case
        {path, "wenzi", "sousuo5", "d", Gbk("自定义")},  // bytes as they are
        {path, "wenzi", "missing", "d", "d"},
        {path, "missing", "sousuo1", "d", "d"},
        {path, "wenzi", "missing", "", ""},
        {TestDirectory() + "\\absent.ini", "wenzi", "sousuo1", "d", "d"},
        {" \t\x01" + path, "\x20wenzi", "\x1Fsousuo1", "d", "filter|*.exe"},
        {path, "wenzi", "   ", "d", ""},  // blanks only: nothing read
        {path, "", "sousuo1", "d", ""},
        {"\x20", "wenzi", "sousuo1", "d", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.file + "|" + c.section + "|" + c.key));
        EXPECT_EQ(ReadProfileText(c.file, c.section, c.key, c.fallback), c.expected);
    }
}

TEST_F(ProfileText, CutsLongValuesAtTheBuffer)
{
    const std::string value(12000, 'v');
    SettingsFile file("peizhi2.ini", "[wenzi]\r\nsousuo1=" + value + "\r\n");
    EXPECT_EQ(ReadProfileText(file.path(), "wenzi", "sousuo1", "d"),
              value.substr(0, kProfileBufferSize - 1));
}

TEST_F(ProfileText, UnreadableFilesGiveTheDefault)
{
    const std::string folder = TestDirectory() + "\\peizhi2.ini";
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_EQ(ReadProfileText(folder, "wenzi", "sousuo1", "d"), "d");
    RemoveDirectoryA(folder.c_str());

    SettingsFile file("peizhi2.ini", "[wenzi]\r\nsousuo1=x\r\n");
    HANDLE locked = CreateFileA(file.path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadProfileText(file.path(), "wenzi", "sousuo1", "d"), "d");
    CloseHandle(locked);
}

TEST_F(ProfileText, BinaryGarbageNeverBreaksTheReader)
{
    std::string garbage;
    unsigned seed = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        seed = seed * 1103515245 + 12345;
        garbage.push_back(char(seed >> 16));
        if (i % 997 == 0)
            garbage += "\r\n[wenzi]\r\nsousuo1=";
    }
    SettingsFile file("peizhi2.ini", garbage);
    for (const char* key : {"sousuo1", "sousuo3", "x"}) {
        const std::string value = ReadProfileText(file.path(), "wenzi", key, "d");
        EXPECT_LT(value.size(), kProfileBufferSize);
        EXPECT_EQ(value.find('\0'), std::string::npos);
    }
}

TEST_F(Lookup, WithoutATextsFileEveryTextIsItsDefault)
{
    for (const auto& key : {kFilterKey, kNativeFailedKey, kWowFailedKey, kMismatchKey})
        EXPECT_EQ(LookupText(key, kRegisterFailed), kRegisterFailed);
}

TEST_F(Lookup, ReadsBesideTheExecutableWhateverTheCurrentDirectory)
{
    SettingsFile beside("peizhi2.ini", "[wenzi]\r\nsousuo3=beside\r\n");
    MakeDirectories("D:\\elsewhere");
    WriteFileBytes("D:\\elsewhere\\peizhi2.ini", "[wenzi]\r\nsousuo3=elsewhere\r\n");
    ASSERT_TRUE(SetCurrentDirectoryA("D:\\elsewhere"));
    EXPECT_EQ(LookupText(kNativeFailedKey, "d"), "beside");
    RemoveFile("D:\\elsewhere\\peizhi2.ini");
}

TEST_F(Lookup, AnEditTakesEffectAtTheNextLookup)
{
    SettingsFile file("peizhi2.ini", "[wenzi]\r\nsousuo5=first\r\n");
    EXPECT_EQ(LookupText(kMismatchKey, "d"), "first");
    file.Rewrite("[wenzi]\r\nsousuo5=second\r\n");
    EXPECT_EQ(LookupText(kMismatchKey, "d"), "second");
    file.Rewrite("[wenzi]\r\n");
    EXPECT_EQ(LookupText(kMismatchKey, "d"), "d");
    RemoveFile(file.path());
    EXPECT_EQ(LookupText(kMismatchKey, "d"), "d");
}

TEST_F(Switch, IsOnOnlyForALowerCaseT)
{
    const struct {
        const char* content;
        bool on;
    } cases[] = {
        {"[hanhua]\r\nfth=t\r\n", true},  {"[HanHua]\r\nFTH=t\r\n", true},
        {"[hanhua]\r\nfth=T\r\n", false}, {"[hanhua]\r\nfth=true\r\n", false},
        {"[hanhua]\r\nfth=1\r\n", false}, {"[hanhua]\r\nfth=\r\n", false},
        {"[hanhua]\r\nfth=f\r\n", false}, {"[hanhua]\r\nother=t\r\n", false},
        {"[other]\r\nfth=t\r\n", false},
    };
    SettingsFile file("peizhi.ini", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        file.Rewrite(c.content);
        EXPECT_EQ(TraditionalSwitchOn(), c.on);
        EXPECT_EQ(SuccessNotice(), c.on ? kBig5Notice : std::string(kSuccessNotice));
    }
    RemoveFile(file.path());
    EXPECT_FALSE(TraditionalSwitchOn());
    EXPECT_EQ(SuccessNotice(), kSuccessNotice);
}

TEST(Notice, IsATaskModalOkBoxCaptionedInformation)
{
    HWND window = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                  100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    const std::string text = Gbk("剑灵文件注册失败！");
    const auto seen = CatchNotices([&] { ShowNotice(text); }, window);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, kNoticeCaption);
    EXPECT_EQ(seen[0].text, text);
    EXPECT_TRUE(seen[0].okOnly);
    EXPECT_TRUE(seen[0].ownerless);
    EXPECT_TRUE(seen[0].windowDisabled);
    EXPECT_TRUE(IsWindowEnabled(window));
    DestroyWindow(window);
}

TEST(Notice, EmptyTextGivesABoxWithNoMessage)
{
    const auto seen = CatchNotices([] { ShowNotice(""); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, kNoticeCaption);
    EXPECT_EQ(seen[0].text, "");
}

TEST(RunDirectory, IsTheFolderOfTheExecutable)
{
    const std::string module = ModulePath(nullptr);
    EXPECT_EQ(RunDirectory() + "\\windows_tests.exe", module);
    EXPECT_EQ(DirectoryOf(Gbk("D:\\誠\\x.exe")), Gbk("D:\\誠"));
    EXPECT_EQ(DirectoryOf(Gbk("D:\\淺")), "D:");
    EXPECT_EQ(DirectoryOf("x.exe"), "");
}

// A copy of a small program that reports what it found, started from C:\ so
// that its settings can only be found beside it.
class RunDirectoryElsewhere : public testing::Test {
protected:
    static std::string Probe(const std::string& folder)
    {
        const std::wstring exe = LongPath(folder + "\\texts_probe.exe");
        CreateDirectoryW(LongPath(folder).c_str(), nullptr);
        EXPECT_TRUE(
            CopyFileW(LongPath(TestDirectory() + "\\texts_probe.exe").c_str(), exe.c_str(), FALSE));
        const std::string report = TestDirectory() + "\\probe_report.txt";
        RemoveFile(report);
        EXPECT_EQ(RunProcess(Wide(folder + "\\texts_probe.exe", 936),
                             L"\"" + Wide(report, 936) + L"\"", L"C:\\"),
                  0);
        DeleteFileW(exe.c_str());
        return ReadFileBytes(report);
    }
};

TEST_F(RunDirectoryElsewhere, FolderWhoseNameEndsInByte5C)
{
    const std::string folder = Gbk("D:\\誠");
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteFileBytes(folder + "\\peizhi2.ini", "[wenzi]\r\nsousuo3=beside\r\n");
    EXPECT_EQ(Probe(folder), folder + "\n" + folder + "\nbeside\n");
    RemoveFile(folder + "\\peizhi2.ini");
}

TEST_F(RunDirectoryElsewhere, TopOfADrive)
{
    WriteFileBytes("D:\\peizhi2.ini", "[wenzi]\r\nsousuo3=top\r\n");
    EXPECT_EQ(Probe("D:"), "D:\nD:\\\ntop\n");
    RemoveFile("D:\\peizhi2.ini");
}

// A Chinese path well within the platform's 260 characters can still take
// more than 259 bytes in the ANSI code page; the run directory must not be cut.
TEST_F(RunDirectoryElsewhere, PathLongerThan259Bytes)
{
    std::string folder = "D:";
    for (int i = 10; i < 28; ++i) {
        folder += "\\" + Gbk("很长的文件夹名") + "_" + std::to_string(i);
        CreateDirectoryW(LongPath(folder).c_str(), nullptr);
    }
    ASSERT_GT(folder.size(), 300u);
    const std::string report = Probe(folder);
    EXPECT_EQ(report.substr(0, report.find('\n')), folder);
}
