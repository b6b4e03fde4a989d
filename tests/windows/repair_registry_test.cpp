// Whole repair runs: the registry, the files and the settings are the prefix's
// own; the window and its notices are a recording stand-in.
#include "repair/repair_registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "test_support.h"
#include "texts/builtin_texts.h"
#include "texts/notice.h"

namespace {

// Plays the user's part in the dialog and records every call in order.
class RecordingWindow : public RepairWindow {
public:
    // One entry per opening of the dialog: a path confirms it, nullopt cancels.
    std::vector<std::optional<std::string>> choices;
    std::string fileName;
    std::string log = "initial";
    std::string pathBox;
    std::vector<std::string> events;
    std::vector<std::string> logAtNotice;

    bool OpenFileDialog() override
    {
        events.push_back("open");
        const std::optional<std::string> choice =
            opened_ < choices.size() ? choices[opened_] : std::nullopt;
        ++opened_;
        if (!choice)
            return false;
        fileName = *choice;
        return true;
    }
    std::string FileDialogFileName() override { return fileName; }
    void SetFileDialogFilter(std::string_view filter) override
    {
        events.push_back("filter " + std::string(filter));
    }
    std::string RepairLogContent() override { return log; }
    void SetRepairLogContent(std::string_view text) override
    {
        log = text;
        events.push_back("log " + log);
    }
    void SetPathBoxContent(std::string_view text) override
    {
        pathBox = text;
        events.push_back("path " + pathBox);
    }
    void ShowNotice(std::string_view text) override
    {
        events.push_back("notice " + std::string(text));
        logAtNotice.push_back(log);
    }

private:
    std::size_t opened_ = 0;
};

// One run in which the user confirms `chosen`.
RecordingWindow RunChoosing(const std::string& chosen)
{
    RecordingWindow window;
    window.choices = {chosen};
    RepairRegistry(window);
    return window;
}

std::string PathLine(const std::string& root)
{
    return std::string(kPathLinePrefix) + root + "\r\n";
}

std::string Filter()
{
    return "filter " + std::string(kDefaultFilter);
}

std::string Notice(std::string_view text)
{
    return "notice " + std::string(text);
}

// A client folder on drive D: with BIN\Client.exe in it.
std::string MakeClient(const std::string& root, const std::string& bin = "BIN")
{
    MakeDirectories(root + "\\" + bin);
    const std::string exe = root + "\\" + bin + "\\Client.exe";
    WriteFileBytes(exe, "MZ client");
    return exe;
}

class Repair : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteTestKeys();
        RemoveFile(TestDirectory() + "\\peizhi.ini");
        RemoveFile(TestDirectory() + "\\peizhi2.ini");
        RegisteredBaseDir.clear();
        root_ = "D:\\Games\\BnS";
        exe_ = MakeClient(root_, "bin");
    }
    void TearDown() override
    {
        DeleteTestKeys();
        RegisteredBaseDir.clear();
    }

    static std::optional<std::string> Stored(const char* key, const char* value)
    {
        const auto raw = ReadRawValue(key, value);
        if (!raw)
            return std::nullopt;
        EXPECT_EQ(raw->type, DWORD(REG_SZ)) << key << "\\" << value;
        return raw->bytes;
    }
    static std::string Sz(const std::string& text) { return text + '\0'; }

    std::string root_;
    std::string exe_;
};

}  // namespace

TEST_F(Repair, RegistersTheClientRootUnderBothKeys)
{
    const RecordingWindow window = RunChoosing(exe_);

    const std::vector<std::string> expected = {
        "open", Filter(), "log " + PathLine(root_), "path " + root_,
        "log " + PathLine(root_) + std::string(kSuccessNotice)};
    EXPECT_EQ(window.events, expected);
    for (const char* key : {kNativeKey, kWowKey}) {
        EXPECT_EQ(Stored(key, "BaseDir"), Sz(root_)) << key;
        EXPECT_EQ(Stored(key, "ErrorReport"), Sz("1")) << key;
    }
    EXPECT_EQ(RegisteredBaseDir, root_);
    EXPECT_EQ(window.pathBox, root_);
}

TEST_F(Repair, CancelChangesNothing)
{
    RegisteredBaseDir = "earlier";
    RecordingWindow window;
    window.choices = {std::nullopt};
    RepairRegistry(window);

    EXPECT_EQ(window.events, std::vector<std::string>{"open"});
    EXPECT_EQ(window.log, "initial");
    EXPECT_EQ(RegisteredBaseDir, "earlier");
    EXPECT_FALSE(ReadRawValue(kNativeKey, "BaseDir"));
    EXPECT_FALSE(ReadRawValue(kWowKey, "BaseDir"));
}

TEST_F(Repair, FilterFromTheTextsFileIsSetAfterEachConfirmedChoice)
{
    SettingsFile texts("peizhi2.ini", "[wenzi]\r\nsousuo1=Client|Client.exe\r\n");
    RecordingWindow window;
    window.choices = {exe_, std::nullopt};
    RepairRegistry(window);
    RepairRegistry(window);
    ASSERT_GE(window.events.size(), 2u);
    EXPECT_EQ(window.events[1], "filter Client|Client.exe");
    EXPECT_EQ(window.events.back(), "open");  // a cancel sets no filter
}

// In a 64-bit prefix this is what used to pass unnoticed: a 32-bit process
// asking for no view wrote "SOFTWARE\plaync" into the Wow6432Node key.
TEST_F(Repair, DeniedNativeKeyBringsItsNoticeAndTheMismatchNotice)
{
    WriteDeniedKey denied(kNativeKey);
    const RecordingWindow window = RunChoosing(exe_);

    const std::vector<std::string> expected = {
        "open",
        Filter(),
        "log " + PathLine(root_),
        Notice(kRegisterFailed),
        Notice(kRepairError),
        "path " + root_,
        "log " + PathLine(root_) + std::string(kSuccessNotice)};
    EXPECT_EQ(window.events, expected);
    EXPECT_EQ(window.logAtNotice, std::vector<std::string>(2, PathLine(root_)));
    EXPECT_FALSE(ReadRawValue(kNativeKey, "BaseDir"));
    EXPECT_EQ(Stored(kWowKey, "BaseDir"), Sz(root_));
}

TEST_F(Repair, DeniedWow6432NodeKeyKeepsItsOldValueInThePathBox)
{
    WriteRawValue(kWowKey, "BaseDir", REG_SZ, Sz("D:\\Old"));
    WriteDeniedKey denied(kWowKey);
    SettingsFile texts("peizhi2.ini",
                       "[wenzi]\r\nsousuo3=native\r\nsousuo4=wow\r\nsousuo5=differ\r\n");
    const RecordingWindow window = RunChoosing(exe_);

    const std::vector<std::string> expected = {
        "open",
        Filter(),
        "log " + PathLine(root_),
        "notice wow",
        "notice differ",
        "path D:\\Old",
        "log " + PathLine(root_) + std::string(kSuccessNotice)};
    EXPECT_EQ(window.events, expected);
    EXPECT_EQ(RegisteredBaseDir, "D:\\Old");
    EXPECT_EQ(Stored(kNativeKey, "BaseDir"), Sz(root_));
    EXPECT_EQ(Stored(kNativeKey, "ErrorReport"), Sz("1"));
}

TEST_F(Repair, BothKeysDeniedAddNoSuccessLine)
{
    WriteDeniedKey nativeDenied(kNativeKey);
    WriteDeniedKey wowDenied(kWowKey);
    SettingsFile texts("peizhi2.ini", "[wenzi]\r\nsousuo3=\r\n");
    const RecordingWindow window = RunChoosing(exe_);

    // Both read-backs fail alike, so they do not differ.
    const std::vector<std::string> expected = {"open",
                                               Filter(),
                                               "log " + PathLine(root_),
                                               "notice ",
                                               Notice(kRegisterFailed),
                                               "path " + std::string(kReadFailed)};
    EXPECT_EQ(window.events, expected);
    EXPECT_EQ(window.log, PathLine(root_));
    EXPECT_EQ(RegisteredBaseDir, kReadFailed);
}

TEST_F(Repair, DirectoriesDifferingOnlyInLetterCaseAreReported)
{
    WriteRawValue(kNativeKey, "BaseDir", REG_SZ, Sz("d:\\games"));
    WriteDeniedKey denied(kNativeKey);
    const RecordingWindow window = RunChoosing(MakeClient("D:\\Games"));

    ASSERT_EQ(window.logAtNotice.size(), 2u);
    EXPECT_EQ(window.events[3], Notice(kRegisterFailed));
    EXPECT_EQ(window.events[4], Notice(kRepairError));
    EXPECT_EQ(RegisteredBaseDir, "D:\\Games");
}

TEST_F(Repair, ChosenPathsTrimToTheirClientRoot)
{
    const struct {
        std::string chosen;
        std::string root;
    } cases[] = {
        {MakeClient(Gbk("D:\\誠")), Gbk("D:\\誠")},
        {MakeClient(Gbk("D:\\游戏\\淺")), Gbk("D:\\游戏\\淺")},
        {MakeClient(Gbk("D:\\剑灵 客户端")), Gbk("D:\\剑灵 客户端")},
        {"D:\\Client.exe", ""},  // top of a drive: the root is empty
    };
    WriteFileBytes("D:\\Client.exe", "MZ");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.chosen));
        const RecordingWindow window = RunChoosing(c.chosen);
        EXPECT_EQ(window.log, PathLine(c.root) + std::string(kSuccessNotice));
        EXPECT_EQ(window.logAtNotice.size(), 0u);
        EXPECT_EQ(Stored(kNativeKey, "BaseDir"), Sz(c.root));
        EXPECT_EQ(Stored(kWowKey, "BaseDir"), Sz(c.root));
        EXPECT_EQ(window.pathBox, c.root);
    }
}

TEST_F(Repair, FileHeldOpenByAnotherHandleIsStillRegisteredAndUntouched)
{
    HANDLE held = CreateFileA(exe_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const RecordingWindow window = RunChoosing(exe_);
    CloseHandle(held);

    EXPECT_EQ(window.log, PathLine(root_) + std::string(kSuccessNotice));
    EXPECT_EQ(Stored(kNativeKey, "BaseDir"), Sz(root_));
    RunChoosing(exe_);  // the probe opens it itself this time
    EXPECT_EQ(ReadFileBytes(exe_), "MZ client");
}

TEST_F(Repair, SecondRunReplacesTheLog)
{
    const std::string other = MakeClient("D:\\Other");
    RecordingWindow window;
    window.choices = {exe_, other};
    RepairRegistry(window);
    window.log += "typed by the user";
    RepairRegistry(window);

    EXPECT_EQ(window.log, PathLine("D:\\Other") + std::string(kSuccessNotice));
    EXPECT_EQ(RegisteredBaseDir, "D:\\Other");
}

TEST_F(Repair, SuccessLineIsBig5WhenTheSwitchIsOn)
{
    SettingsFile switchFile("peizhi.ini", "[hanhua]\r\nfth=t\r\n");
    const RecordingWindow window = RunChoosing(exe_);
    EXPECT_EQ(window.log, PathLine(root_) + kBig5Notice);
}

// The same failures with the real message boxes, read as the user sees them.
TEST_F(Repair, RealNoticesComeInOrderWithTheirTexts)
{
    class NoticeWindow : public RecordingWindow {
        void ShowNotice(std::string_view text) override
        {
            RecordingWindow::ShowNotice(text);
            ::ShowNotice(text);
        }
    } window;
    WriteRawValue(kWowKey, "BaseDir", REG_SZ, Sz("D:\\Old"));
    WriteDeniedKey nativeDenied(kNativeKey);
    WriteDeniedKey wowDenied(kWowKey);
    window.choices = {exe_};

    const auto seen = CatchNotices([&] { RepairRegistry(window); });
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, kRegisterFailed);
    EXPECT_EQ(seen[1].text, kRegisterFailed);
    EXPECT_EQ(seen[2].text, kRepairError);
    for (const auto& notice : seen)
        EXPECT_EQ(notice.caption, kNoticeCaption);
    EXPECT_EQ(window.pathBox, "D:\\Old");
}
