#include "test_support.h"

#include <aclapi.h>
#include <gtest/gtest.h>

#include <vector>

#include "texts/run_directory.h"

void DeleteKeyTree(HKEY root, const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return;
    RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
    RegDeleteKeyExA(root, path, KEY_WOW64_64KEY, 0);
}

void DeleteTestKeys()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\plaync");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\plaync");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kScratchKey);
}

std::string StoredText(const char* key, const char* value)
{
    const auto raw = ReadRawValue(key, value);
    return raw ? raw->bytes.substr(0, raw->bytes.find('\0')) : "<none>";
}

std::optional<RawValue> ReadRawValue(const char* keyPath, const char* value, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue raw;
    DWORD size = 0;
    std::optional<RawValue> result;
    if (RegQueryValueExA(key, value, nullptr, &raw.type, nullptr, &size) == ERROR_SUCCESS) {
        raw.bytes.resize(size);
        if (RegQueryValueExA(key, value, nullptr, &raw.type,
                             reinterpret_cast<BYTE*>(raw.bytes.data()), &size) == ERROR_SUCCESS) {
            raw.bytes.resize(size);
            result = raw;
        }
    }
    RegCloseKey(key);
    return result;
}

void WriteRawValue(const char* keyPath, const char* value, DWORD type, std::string_view bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    // The platform counts a forgotten terminator back in when the byte after
    // the data is zero; a copy with a non-zero byte there keeps the size exact.
    std::string data(bytes);
    data.push_back('X');
    EXPECT_EQ(RegSetValueExA(key, value, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

WriteDeniedKey::WriteDeniedKey(const char* path, bool readable)
{
    // The handle keeps the access it was opened with, so it can give the
    // rights back afterwards.
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key_, nullptr),
              ERROR_SUCCESS);

    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof everyone;
    CreateWellKnownSid(WinWorldSid, nullptr, everyone, &sidSize);
    std::vector<BYTE> acl(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + sidSize);
    auto* dacl = reinterpret_cast<ACL*>(acl.data());
    InitializeAcl(dacl, static_cast<DWORD>(acl.size()), ACL_REVISION);
    if (readable)
        AddAccessAllowedAce(dacl, ACL_REVISION, KEY_READ, everyone);

    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, dacl, FALSE);
    EXPECT_EQ(RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, &sd), ERROR_SUCCESS);
}

WriteDeniedKey::~WriteDeniedKey()
{
    if (!key_)
        return;
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, nullptr, FALSE);  // no DACL: full access
    RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, &sd);
    RegCloseKey(key_);
}

std::string TestDirectory()
{
    return RunDirectory();
}

void WriteFileBytes(const std::string& path, std::string_view bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    EXPECT_EQ(written, bytes.size());

    static ULONGLONG stamp = 0;
    if (stamp == 0) {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        stamp = (ULONGLONG(now.dwHighDateTime) << 32 | now.dwLowDateTime) - 36000ULL * 10000000;
    }
    stamp += 5ULL * 10000000;  // five seconds later than the last write
    FILETIME time{DWORD(stamp), DWORD(stamp >> 32)};
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void RemoveFile(const std::string& path)
{
    DeleteFileA(path.c_str());
}

void MakeDirectories(const std::string& path)
{
    for (std::size_t i = 3; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

SettingsFile::SettingsFile(std::string name, std::string_view content)
    : path_(TestDirectory() + "\\" + name)
{
    WriteFileBytes(path_, content);
}

SettingsFile::~SettingsFile()
{
    RemoveFile(path_);
}

void SettingsFile::Rewrite(std::string_view content)
{
    WriteFileBytes(path_, content);
}

std::wstring Wide(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), wide.data(), n);
    return wide;
}

std::string Gbk(std::string_view utf8)
{
    const std::wstring wide = Wide(utf8, CP_UTF8);
    if (wide.empty())
        return {};
    const int n =
        WideCharToMultiByte(936, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string gbk(n, '\0');
    WideCharToMultiByte(936, 0, wide.data(), int(wide.size()), gbk.data(), n, nullptr, nullptr);
    return gbk;
}

std::wstring LongPath(std::string_view gbkPath)
{
    return L"\\\\?\\" + Wide(gbkPath, 936);
}

int RunProcess(const std::wstring& exe, const std::wstring& arguments,
               const std::wstring& currentDirectory)
{
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.c_str(), &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(code);
}

namespace {

struct WindowSearch {
    DWORD process;
    const char* className;
    int requiredChild;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if ((search->process && process != search->process) ||
        std::string(className) != search->className || !IsWindowVisible(window))
        return TRUE;
    if (search->requiredChild && !GetDlgItem(window, search->requiredChild))
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindVisibleWindow(DWORD process, const char* className, int requiredChild)
{
    WindowSearch search{process, className, requiredChild, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

void SetTextOf(HWND window, std::string_view text)
{
    const std::string copy(text);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
}

HWND FindMessageBox(DWORD process)
{
    return FindVisibleWindow(process, "#32770", kMessageText);
}

SeenNotice ReadNotice(HWND box, HWND watched)
{
    SeenNotice notice;
    notice.caption = TextOf(box);
    notice.text = TextOf(GetDlgItem(box, kMessageText));
    notice.okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) &&
                    !GetDlgItem(box, IDYES) && !GetDlgItem(box, IDNO);
    notice.ownerless = GetWindow(box, GW_OWNER) == nullptr;
    notice.windowDisabled = watched && !IsWindowEnabled(watched);
    return notice;
}

void CloseNotice(HWND box)
{
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

namespace {

struct NoticeWatch {
    HWND watched;
    HANDLE done;
    std::vector<SeenNotice> seen;
};

// Polls until the action is over; each box is read once it is shown.
DWORD WINAPI WatchNotices(void* param)
{
    auto* watch = static_cast<NoticeWatch*>(param);
    HWND last = nullptr;
    while (WaitForSingleObject(watch->done, 20) == WAIT_TIMEOUT) {
        HWND box = FindMessageBox(GetCurrentProcessId());
        if (!box || box == last)
            continue;
        Sleep(50);  // let it finish laying out its text
        watch->seen.push_back(ReadNotice(box, watch->watched));
        last = box;
        CloseNotice(box);
    }
    return 0;
}

}  // namespace

std::vector<SeenNotice> CatchNotices(const std::function<void()>& action, HWND watched)
{
    NoticeWatch watch{watched, CreateEventA(nullptr, TRUE, FALSE, nullptr), {}};
    HANDLE watcher = CreateThread(nullptr, 0, WatchNotices, &watch, 0, nullptr);
    action();
    SetEvent(watch.done);
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    CloseHandle(watch.done);
    return watch.seen;
}
