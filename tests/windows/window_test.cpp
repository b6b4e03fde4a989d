// The tool end to end: RegRepair.exe started as its own process and used
// through its window, its file dialog and its notices, with the prefix's real
// registry, drives and settings files.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "test_support.h"
#include "texts/builtin_texts.h"
#include "tool_driver.h"

namespace {

constexpr int kWidth = 374;
constexpr int kHeight = 137;

std::string PathLine(const std::string& root)
{
    return std::string(kPathLinePrefix) + root + "\r\n";
}

RECT ClientRectOf(HWND component, HWND window)
{
    RECT rect{};
    GetWindowRect(component, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class ToolWindow : public testing::Test {
protected:
    // The sample client on the dialog's starting drive, and one on D:.
    const std::string clientRoot = "E:\\" + Gbk("剑灵");
    const std::string otherRoot = "D:\\Games\\" + Gbk("剑灵客户端");

    void SetUp() override
    {
        DeleteTestKeys();
        for (const std::string& root : {clientRoot, otherRoot}) {
            MakeDirectories(root + "\\BIN");
            WriteFileBytes(root + "\\BIN\\Client.exe", "MZ");
        }
        WriteFileBytes(clientRoot + "\\BIN\\notes.txt", "");
    }
    void TearDown() override { DeleteTestKeys(); }
};

// What the path box and the log show after a run that registered `root`.
void ExpectRegistered(const Tool& tool, const std::string& root)
{
    EXPECT_EQ(TextOf(tool.repairLogBox), PathLine(root) + std::string(kSuccessNotice));
    EXPECT_EQ(TextOf(tool.pathBox), root);
    EXPECT_EQ(StoredText(kNativeKey, "BaseDir"), root);
    EXPECT_EQ(StoredText(kWowKey, "BaseDir"), root);
    EXPECT_EQ(StoredText(kNativeKey, "ErrorReport"), "1");
    EXPECT_EQ(StoredText(kWowKey, "ErrorReport"), "1");
}

TEST_F(ToolWindow, StartsCentredOwnedAndUntitled)
{
    if (GetSystemMetrics(SM_CXSCREEN) != 1920 || GetSystemMetrics(SM_CYSCREEN) != 1080)
        GTEST_SKIP() << "needs a 1920 x 1080 screen";
    Tool tool;
    ASSERT_TRUE(tool.running());
    RECT outer{};
    GetWindowRect(tool.window, &outer);
    EXPECT_EQ(outer.left, 773);
    EXPECT_EQ(outer.top, 471);
    EXPECT_EQ(outer.right - outer.left, kWidth);
    EXPECT_EQ(outer.bottom - outer.top, kHeight);

    const LONG style = GetWindowLongA(tool.window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE),
              WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD), 0);
    const LONG exStyle = GetWindowLongA(tool.window, GWL_EXSTYLE);
    // The platform adds the window edge to every captioned window itself.
    EXPECT_EQ(exStyle & ~WS_EX_WINDOWEDGE, 0) << std::hex << exStyle;
    EXPECT_EQ(TextOf(tool.window), "");
    EXPECT_EQ(GetMenu(tool.window), nullptr);
    EXPECT_TRUE(IsWindowEnabled(tool.window));

    // Its owner keeps it off the taskbar and is never seen.
    ASSERT_NE(tool.owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(tool.owner));
    EXPECT_TRUE(GetWindowLongA(tool.owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(TextOf(tool.owner), "");

    EXPECT_EQ(tool.Close(), 0u);  // closing before any run
}

TEST_F(ToolWindow, HasItsFiveComponents)
{
    Tool tool;
    ASSERT_TRUE(tool.running());
    const struct {
        HWND window;
        const char* className;
        RECT place;  // in the client area
        LONG styles;
        LONG absentStyles;
        bool sunken;
        std::string_view text;
    } components[] = {
        {tool.pathLabel,
         "Static",
         {16, 8, 68, 28},
         SS_OWNERDRAW,
         WS_TABSTOP | WS_BORDER,
         false,
         kPathLabelText},
        {tool.pathBox,
         "Edit",
         {72, 8, 332, 28},
         WS_TABSTOP | ES_AUTOHSCROLL,
         ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL |
             ES_CENTER | ES_RIGHT,
         true,
         ""},
        {tool.repairButton,
         "Button",
         {7, 34, 111, 104},
         WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE,
         BS_DEFPUSHBUTTON,
         false,
         kRepairButtonText},
        {tool.repairLogBox,
         "Edit",
         {112, 32, 328, 104},
         WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
         ES_AUTOHSCROLL | WS_HSCROLL | ES_READONLY | ES_NOHIDESEL | ES_CENTER | ES_RIGHT,
         true,
         kRepairLogIntro},
    };
    for (const auto& c : components) {
        SCOPED_TRACE(c.className);
        char className[32] = {};
        GetClassNameA(c.window, className, sizeof className);
        EXPECT_STREQ(className, c.className);
        const RECT place = ClientRectOf(c.window, tool.window);
        EXPECT_EQ(place.left, c.place.left);
        EXPECT_EQ(place.top, c.place.top);
        EXPECT_EQ(place.right, c.place.right);
        EXPECT_EQ(place.bottom, c.place.bottom);
        const LONG style = GetWindowLongA(c.window, GWL_STYLE);
        EXPECT_EQ(style & (c.styles | WS_VISIBLE | WS_CLIPSIBLINGS),
                  c.styles | WS_VISIBLE | WS_CLIPSIBLINGS);
        EXPECT_EQ(style & c.absentStyles, 0);
        EXPECT_TRUE(IsWindowEnabled(c.window));
        EXPECT_EQ((GetWindowLongA(c.window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0, c.sunken);
        EXPECT_EQ(TextOf(c.window), c.text);
    }
    // No length limit, caret at the start.
    for (HWND box : {tool.pathBox, tool.repairLogBox}) {
        EXPECT_GE(DWORD(SendMessageA(box, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
        DWORD start = 1, end = 1;
        SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
    }
}

// Pixels on the screen: the label's text in its blue on the button face,
// left-aligned and vertically centred; the boxes black on white.
TEST_F(ToolWindow, DrawsTheLabelAndTheBoxesInTheirColours)
{
    Tool tool;
    ASSERT_TRUE(tool.running());
    RedrawWindow(tool.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(tool.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    Sleep(300);  // the X server shows what was painted

    RECT label{};
    GetWindowRect(tool.pathLabel, &label);
    HDC screen = GetDC(nullptr);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int firstColumn = -1, firstRow = -1, lastRow = -1;
    std::set<COLORREF> colours;
    for (int y = label.top; y < label.bottom; ++y)
        for (int x = label.left; x < label.right; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            colours.insert(pixel);
            if (pixel == face)
                continue;
            firstColumn =
                firstColumn < 0 ? x - label.left : std::min(firstColumn, int(x - label.left));
            firstRow = firstRow < 0 ? y - label.top : firstRow;
            lastRow = y - label.top;
        }
    EXPECT_TRUE(colours.count(face)) << "no button face around the text";
    EXPECT_TRUE(colours.count(RGB(0, 136, 255))) << "no text in RGB(0, 136, 255)";
    EXPECT_LE(colours.size(), 2u + 16u) << "only the text colour, its edges and the face";
    ASSERT_GE(firstRow, 0) << "the label shows no text";
    EXPECT_LE(firstColumn, 2);
    // Centred in 20 pixels: as much room above as below, give or take a pixel
    // for the font's own spacing.
    EXPECT_NEAR(firstRow, (label.bottom - label.top - 1) - lastRow, 2);

    RECT box{};
    GetClientRect(tool.pathBox, &box);
    MapWindowPoints(tool.pathBox, HWND_DESKTOP, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(GetPixel(screen, box.right - 3, box.bottom - 3), RGB(255, 255, 255));
    ReleaseDC(nullptr, screen);
}

// How wide an edit box lays out ten narrow letters, first to last.
int LaidOutWidth(HWND box)
{
    SetTextOf(box, "iiiiiiiiii");
    const LRESULT first = SendMessageA(box, EM_POSFROMCHAR, 0, 0);
    const LRESULT last = SendMessageA(box, EM_POSFROMCHAR, 9, 0);
    return short(LOWORD(last)) - short(LOWORD(first));
}

// The boxes lay text out as an edit box of this process given the stock GUI
// font does, and not as one left with the system font.
TEST_F(ToolWindow, UsesTheGuiFont)
{
    Tool tool;
    ASSERT_TRUE(tool.running());
    HWND reference =
        CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 300, 30, nullptr, nullptr, nullptr, nullptr);
    const int systemFontWidth = LaidOutWidth(reference);
    SendMessageA(reference, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const int guiFontWidth = LaidOutWidth(reference);
    DestroyWindow(reference);
    ASSERT_NE(guiFontWidth, systemFontWidth) << "the two fonts cannot be told apart here";
    for (HWND box : {tool.pathBox, tool.repairLogBox})
        EXPECT_EQ(LaidOutWidth(box), guiFontWidth);
}

TEST_F(ToolWindow, TabWalksTheThreeTabStops)
{
    Tool tool;
    ASSERT_TRUE(tool.running());
    ASSERT_TRUE(WaitForFocus(tool, tool.repairButton)) << "the button starts with the focus";
    const HWND forwards[] = {tool.repairLogBox, tool.pathBox, tool.repairButton};
    for (HWND next : forwards) {
        PressKey(tool, VK_TAB);
        EXPECT_TRUE(WaitForFocus(tool, next));
    }
    const HWND backwards[] = {tool.pathBox, tool.repairLogBox, tool.repairButton};
    for (HWND next : backwards) {
        PressKey(tool, VK_TAB, true);
        EXPECT_TRUE(WaitForFocus(tool, next));
    }
}

// Keys are handled in the order they come, so once a later Tab has moved the
// focus, the key before it has had all its effect.
TEST_F(ToolWindow, EscAndEnterNeitherCloseNorClickNorMove)
{
    Tool tool;
    ASSERT_TRUE(tool.running());
    ASSERT_TRUE(WaitForFocus(tool, tool.repairButton));
    PressKey(tool, VK_RETURN);
    PressKey(tool, VK_ESCAPE);
    PressKey(tool, VK_TAB);
    ASSERT_TRUE(WaitForFocus(tool, tool.repairLogBox));
    EXPECT_EQ(FindFileDialog(GetProcessId(tool.process)), nullptr);

    PressKey(tool, VK_ESCAPE);  // an edit box in a dialog would close it
    PressKey(tool, VK_TAB);
    ASSERT_TRUE(WaitForFocus(tool, tool.pathBox));
    PressKey(tool, VK_RETURN);
    PressKey(tool, VK_ESCAPE);
    PressKey(tool, VK_TAB);
    ASSERT_TRUE(WaitForFocus(tool, tool.repairButton));
    EXPECT_TRUE(IsWindowVisible(tool.window));
    EXPECT_EQ(TextOf(tool.pathBox), "");
    EXPECT_EQ(TextOf(tool.repairLogBox), kRepairLogIntro);
    EXPECT_EQ(tool.Close(), 0u);
}

TEST_F(ToolWindow, EnterBreaksTheLineInTheLog)
{
    Tool tool;
    ASSERT_TRUE(tool.running());
    ASSERT_TRUE(WaitForFocus(tool, tool.repairButton));
    PressKey(tool, VK_TAB);
    ASSERT_TRUE(WaitForFocus(tool, tool.repairLogBox));
    SetTextOf(tool.repairLogBox, "ab");
    SendMessageA(tool.repairLogBox, EM_SETSEL, 1, 1);
    PressKey(tool, VK_RETURN);
    PressKey(tool, VK_TAB);
    ASSERT_TRUE(WaitForFocus(tool, tool.pathBox));
    EXPECT_EQ(TextOf(tool.repairLogBox), "a\r\nb");
}

TEST_F(ToolWindow, RepairsThroughTheDialogAndEndsWithExitCodeZero)
{
    Tool tool;
    ASSERT_TRUE(tool.running());
    // Typed relative to the folder the dialog opens in: e:\.
    const RepairRun run = RunRepair(tool, Gbk("剑灵\\BIN\\Client.exe"));
    ASSERT_TRUE(run.dialogShown);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.dialog.fileName, "");
    EXPECT_EQ(run.dialog.filters, std::vector<std::string>{Gbk("剑灵主文件(Client.exe)")});
    EXPECT_EQ(run.dialog.owner, tool.window);
    EXPECT_FALSE(run.dialog.ownerEnabled) << "the window is disabled while the dialog is open";
    EXPECT_TRUE(run.notices.empty());
    ExpectRegistered(tool, clientRoot);
    EXPECT_TRUE(IsWindowEnabled(tool.window));
    EXPECT_TRUE(WaitForFocus(tool, tool.repairButton)) << "the focus comes back to the button";
    EXPECT_EQ(tool.Close(), 0u);
}

TEST_F(ToolWindow, LaterOpeningsStartFromTheLastPathWithTheStoredFilter)
{
    SettingsFile texts("peizhi2.ini",
                       "[wenzi]\r\nsousuo1=" + Gbk("客户端|*.exe|全部|*.*") + "\r\n");
    Tool tool;
    ASSERT_TRUE(tool.running());

    const RepairRun first = RunRepair(tool, Gbk("剑灵\\BIN\\Client.exe"));
    ASSERT_TRUE(first.finished);
    EXPECT_EQ(first.dialog.filters, std::vector<std::string>{Gbk("剑灵主文件(Client.exe)")})
        << "the texts file applies from the second opening on";

    // A cancel keeps the last path and changes nothing.
    const RepairRun cancelled = RunRepair(tool, std::nullopt);
    ASSERT_TRUE(cancelled.finished);
    EXPECT_EQ(cancelled.dialog.fileName, "Client.exe");
    EXPECT_EQ(cancelled.dialog.filters, (std::vector<std::string>{Gbk("客户端"), Gbk("全部")}));
    EXPECT_EQ(TextOf(tool.repairLogBox), PathLine(clientRoot) + std::string(kSuccessNotice));

    // The same folder again, then another client: each run replaces the log.
    const RepairRun again = RunRepair(tool, "Client.exe");
    ASSERT_TRUE(again.finished);
    EXPECT_EQ(again.dialog.fileName, "Client.exe");
    ExpectRegistered(tool, clientRoot);
    const RepairRun other = RunRepair(tool, otherRoot + "\\BIN\\Client.exe");
    ASSERT_TRUE(other.finished);
    ExpectRegistered(tool, otherRoot);
    EXPECT_EQ(tool.Close(), 0u);
}

TEST_F(ToolWindow, DeniedKeysBringTheirNotices)
{
    const std::string nativeFailed = Gbk("主键写入失败");
    const std::string wowFailed = Gbk("兼容键写入失败");
    const std::string mismatch = Gbk("两处不一致");
    const std::string readFailed(kReadFailed);
    const struct {
        const char* name;
        bool nativeDenied, wowDenied, customTexts;
        std::vector<std::string> notices;
        std::string pathBox;
        bool success;
    } cases[] = {
        {"native denied",
         true,
         false,
         false,
         {std::string(kRegisterFailed), std::string(kRepairError)},
         "",
         true},
        {"Wow6432Node denied", false, true, true, {wowFailed, mismatch}, readFailed, true},
        {"both denied", true, true, true, {nativeFailed, wowFailed}, readFailed, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteTestKeys();
        std::optional<SettingsFile> texts;
        if (c.customTexts)
            texts.emplace("peizhi2.ini", "[wenzi]\r\nsousuo3=" + nativeFailed + "\r\nsousuo4=" +
                                             wowFailed + "\r\nsousuo5=" + mismatch + "\r\n");
        std::optional<WriteDeniedKey> nativeKey, wowKey;
        if (c.nativeDenied)
            nativeKey.emplace(kNativeKey);
        if (c.wowDenied)
            wowKey.emplace(kWowKey);

        Tool tool;
        ASSERT_TRUE(tool.running());
        const RepairRun run = RunRepair(tool, Gbk("剑灵\\BIN\\Client.exe"));
        ASSERT_TRUE(run.finished);
        std::vector<std::string> texts_seen;
        for (const SeenNotice& notice : run.notices) {
            texts_seen.push_back(notice.text);
            EXPECT_EQ(notice.caption, kNoticeCaption);
            EXPECT_TRUE(notice.okOnly);
            EXPECT_TRUE(notice.windowDisabled) << "notices are task-modal";
        }
        EXPECT_EQ(texts_seen, c.notices);
        const std::string expectedPath = c.pathBox.empty() ? clientRoot : c.pathBox;
        EXPECT_EQ(TextOf(tool.pathBox), expectedPath);
        EXPECT_EQ(TextOf(tool.repairLogBox),
                  PathLine(clientRoot) + (c.success ? std::string(kSuccessNotice) : ""));
        EXPECT_TRUE(WaitForFocus(tool, tool.repairButton)) << "the focus comes back to the button";
        EXPECT_EQ(tool.Close(), 0u);
    }
}

// Under code page 950 the switch file turns the success notice into BIG5.
TEST_F(ToolWindow, CodePage950_SuccessNoticeInBig5)
{
    ASSERT_EQ(GetACP(), 950u);
    SettingsFile switchFile("peizhi.ini", "[hanhua]\r\nfth=t\r\n");
    MakeDirectories("E:\\BnS\\BIN");
    WriteFileBytes("E:\\BnS\\BIN\\Client.exe", "MZ");
    Tool tool;
    ASSERT_TRUE(tool.running());
    const RepairRun run = RunRepair(tool, "BnS\\BIN\\Client.exe");
    ASSERT_TRUE(run.finished);
    const std::string log = TextOf(tool.repairLogBox);
    ASSERT_GE(log.size(), kBig5Notice.size());
    EXPECT_EQ(log.substr(log.size() - kBig5Notice.size()), kBig5Notice);
    EXPECT_EQ(TextOf(tool.pathBox), "E:\\BnS");
    EXPECT_EQ(StoredText(kNativeKey, "BaseDir"), "E:\\BnS");
}

// Last: a process that has looked into another desktop can no longer read
// the screen's pixels under Wine.
TEST_F(ToolWindow, IsCentredOnSmallerScreens)
{
    const struct {
        const char* desktop;
        int left, top;
    } screens[] = {
        {"regrepair1366,1366x768", 496, 315},
        {"regrepair300,300x400", -37, 131},  // narrower than the window
    };
    const KeepScreenSize keep;
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.desktop);
        Tool tool(screen.desktop);
        ASSERT_TRUE(tool.running());
        RECT outer{};
        GetWindowRect(tool.window, &outer);
        EXPECT_EQ(outer.left, screen.left);
        EXPECT_EQ(outer.top, screen.top);
        EXPECT_EQ(outer.right - outer.left, kWidth);
        EXPECT_EQ(outer.bottom - outer.top, kHeight);
        EXPECT_EQ(tool.Close(), 0u);
    }
}

}  // namespace
