#include "tool_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "test_support.h"

namespace {

constexpr DWORD kAnswerTimeout = 5000;
constexpr int kFileNameField = 0x47C;  // a ComboBoxEx32 in the Explorer-style dialog
constexpr int kFileTypeList = 0x470;

template <typename Found>
auto Poll(DWORD milliseconds, Found found) -> decltype(found())
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (auto result = found())
            return result;
        if (GetTickCount64() >= end)
            return {};
        Sleep(20);
    }
}

// The components in the order the tool creates them.
BOOL CALLBACK CollectChild(HWND child, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

// Runs `find` on a thread attached to the named desktop, where the tool's
// windows are visible to window searches.
HWND FindOnDesktop(const std::string& desktop, DWORD process)
{
    HWND found = nullptr;
    std::thread([&] {
        // Explorer makes the desktop a moment after it starts.
        HDESK handle = Poll(kAnswerTimeout * 2,
                            [&] { return OpenDesktopA(desktop.c_str(), 0, FALSE, GENERIC_ALL); });
        if (!handle || !SetThreadDesktop(handle))
            return;
        found = Poll(kAnswerTimeout * 2,
                     [&] { return FindVisibleWindow(process, "RegRepairMainWindow"); });
        CloseDesktop(handle);
    }).join();
    return found;
}

std::string WideToAnsi(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int n =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

}  // namespace

Tool::Tool(const std::string& desktop)
{
    const std::wstring folder = Wide(TestDirectory(), CP_ACP);
    const std::wstring exe = folder + L"\\RegRepair.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    std::wstring desktopName = Wide(desktop, CP_ACP);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!desktop.empty()) {
        // Wine's explorer makes the named desktop with the size it is given.
        commandLine = L"explorer.exe /desktop=" + desktopName + L" \"" + exe + L"\"";
    }
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &started)) {
        ADD_FAILURE() << "RegRepair.exe did not start: " << GetLastError();
        return;
    }
    CloseHandle(started.hThread);
    if (desktop.empty()) {
        process = started.hProcess;
        window = Poll(kAnswerTimeout * 2, [&] {
            return FindVisibleWindow(started.dwProcessId, "RegRepairMainWindow");
        });
    } else {
        // The tool is a child of explorer; find it by its window.
        const std::string name = desktop.substr(0, desktop.find(','));
        CloseHandle(started.hProcess);
        window = FindOnDesktop(name, 0);
    }
    if (!window) {
        ADD_FAILURE() << "no main window appeared";
        return;
    }
    DWORD processId = 0;
    threadId = GetWindowThreadProcessId(window, &processId);
    if (!process)
        process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE,
                              processId);
    owner = GetWindow(window, GW_OWNER);
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    if (children.size() == 4) {
        pathLabel = children[0];
        pathBox = children[1];
        repairButton = children[2];
        repairLogBox = children[3];
    } else {
        ADD_FAILURE() << "the window has " << children.size() << " components, not 4";
    }
}

Tool::~Tool()
{
    if (window && IsWindow(window) && !Close())
        Kill();
    if (process)
        CloseHandle(process);
}

std::optional<DWORD> Tool::Close()
{
    if (!process)
        return std::nullopt;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (WaitForSingleObject(process, kAnswerTimeout * 2) != WAIT_OBJECT_0)
        return std::nullopt;
    window = nullptr;
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

void Tool::Kill()
{
    if (process) {
        TerminateProcess(process, 9);
        WaitForSingleObject(process, kAnswerTimeout);
    }
    window = nullptr;
}

HWND FindFileDialog(DWORD processId)
{
    return FindVisibleWindow(processId, "#32770", kFileNameField);
}

HWND WaitForFileDialog(const Tool& tool, DWORD milliseconds)
{
    return Poll(milliseconds, [&] { return FindFileDialog(GetProcessId(tool.process)); });
}

HWND WaitForMessageBox(const Tool& tool, DWORD milliseconds)
{
    return Poll(milliseconds, [&] { return FindMessageBox(GetProcessId(tool.process)); });
}

FileDialogView ReadFileDialog(HWND dialog)
{
    FileDialogView view;
    view.fileName = TextOf(GetDlgItem(dialog, kFileNameField));
    const HWND types = GetDlgItem(dialog, kFileTypeList);
    const LRESULT count = SendMessageW(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(SendMessageW(types, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
        item.resize(SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())));
        view.filters.push_back(WideToAnsi(item));
    }
    view.owner = GetWindow(dialog, GW_OWNER);
    view.ownerEnabled = view.owner && IsWindowEnabled(view.owner);
    return view;
}

void ConfirmFile(HWND dialog, std::string_view name)
{
    SetTextOf(GetDlgItem(dialog, kFileNameField), name);
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

void CancelFileDialog(HWND dialog)
{
    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

RepairRun RunRepair(Tool& tool, const std::optional<std::string>& choice)
{
    RepairRun run;
    const DWORD processId = GetProcessId(tool.process);
    // A run that gets past the dialog always ends by writing the path box, and
    // at most appends to the log after it without waiting for anything.
    constexpr char kUnwritten[] = "<path box not written yet>";
    SetTextOf(tool.pathBox, kUnwritten);

    PostMessageA(tool.repairButton, BM_CLICK, 0, 0);
    const HWND dialog = WaitForFileDialog(tool);
    run.dialogShown = dialog != nullptr;
    if (!dialog)
        return run;
    Poll(kAnswerTimeout, [&] { return ReadFileDialog(dialog).filters.size() > 0; });
    run.dialog = ReadFileDialog(dialog);
    if (!choice) {
        CancelFileDialog(dialog);
        run.finished =
            Poll(kAnswerTimeout, [&] { return !IsWindow(dialog) && IsWindowEnabled(tool.window); });
    } else {
        ConfirmFile(dialog, *choice);
        HWND lastBox = nullptr;
        run.finished = Poll(kAnswerTimeout * 4, [&] {
            if (const HWND box = FindMessageBox(processId); box && box != lastBox) {
                lastBox = box;
                run.notices.push_back(ReadNotice(box, tool.window));
                CloseNotice(box);
                return false;
            }
            return !FindMessageBox(processId) && TextOf(tool.pathBox) != kUnwritten;
        });
    }
    // Once the tool answers a message again, the run has returned.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(tool.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeout, &ignored);
    return run;
}

void PressKey(const Tool& tool, WORD key, bool shift)
{
    SetForegroundWindow(tool.window);
    std::vector<INPUT> inputs;
    const auto add = [&](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FocusOf(const Tool& tool)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(tool.threadId, &info);
    return info.hwndFocus;
}

bool WaitForFocus(const Tool& tool, HWND expected)
{
    return Poll(kAnswerTimeout, [&] { return FocusOf(tool) == expected; });
}

KeepScreenSize::KeepScreenSize()
    : width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN))
{
}

KeepScreenSize::~KeepScreenSize()
{
    std::wstring commandLine = L"explorer.exe /desktop=regrepair-screen," +
                               std::to_wstring(width_) + L"x" + std::to_wstring(height_) +
                               L" cmd.exe /c exit";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return;
    WaitForSingleObject(started.hProcess, kAnswerTimeout * 2);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), width_);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), height_);
}
