#pragma once
// Fixtures over the real platform: registry keys, settings files, drives and
// message boxes of this Wine prefix.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Key paths as the tool writes them, always seen in the 64-bit view.
inline constexpr char kNativeKey[] = "SOFTWARE\\plaync\\BNS_KOR";
inline constexpr char kWowKey[] = "SOFTWARE\\Wow6432Node\\plaync\\BNS_KOR";
inline constexpr char kScratchKey[] = "SOFTWARE\\RegRepairTests";

// The success notice converted to BIG5: 注冊表修复成功，請登錄漢化工具。
inline const std::string kBig5Notice =
    "\xAA\x60\xA5\x55\xAA\xED\xAD\xD7\xCE\x60\xA6\xA8\xA5\x5C\xA1\x41"
    "\xBD\xD0\xB5\x6E\xBF\xFD\xBA\x7E\xA4\xC6\xA4\x75\xA8\xE3\xA1\x43";

// Removes a key with everything below it, in the 64-bit view.
void DeleteKeyTree(HKEY root, const char* path);
// Removes the game's keys in both places and the scratch key.
void DeleteTestKeys();

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
};
// A value as stored, in the given view (KEY_WOW64_64KEY or KEY_WOW64_32KEY).
std::optional<RawValue> ReadRawValue(const char* key, const char* value,
                                     REGSAM view = KEY_WOW64_64KEY);
// A string value as a program reads it, up to its first zero; "<none>" when
// the value is missing (64-bit view).
std::string StoredText(const char* key, const char* value);
// Stores exactly these bytes, creating the key (64-bit view).
void WriteRawValue(const char* key, const char* value, DWORD type, std::string_view bytes);

// While it lives the key exists and lets everyone read it but nobody write:
// opens with KEY_WRITE and creates both fail with access denied.
class WriteDeniedKey {
public:
    explicit WriteDeniedKey(const char* path, bool readable = true);
    ~WriteDeniedKey();
    WriteDeniedKey(const WriteDeniedKey&) = delete;
    WriteDeniedKey& operator=(const WriteDeniedKey&) = delete;

private:
    HKEY key_ = nullptr;
};

// The folder of the test executable, where the tool's settings files lie.
std::string TestDirectory();

// Writes a file whole. Every write gets a later modification time than the
// one before, so the platform's profile cache sees each edit.
void WriteFileBytes(const std::string& path, std::string_view bytes);
std::string ReadFileBytes(const std::string& path);
void RemoveFile(const std::string& path);
// Creates the folders of a path, parents first.
void MakeDirectories(const std::string& path);

// A settings file beside the test executable for the life of the object.
class SettingsFile {
public:
    SettingsFile(std::string name, std::string_view content);
    ~SettingsFile();
    void Rewrite(std::string_view content);
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// GBK bytes of UTF-8 text, through the platform's code page 936.
std::string Gbk(std::string_view utf8);
std::wstring Wide(std::string_view text, UINT codePage);

// A path in wide characters for the platform's long-path (\\?\) forms, which
// the ANSI functions do not take past 259 bytes.
std::wstring LongPath(std::string_view gbkPath);

// Runs an executable with the given current directory and waits for it;
// its exit code, or -1 when it could not be started.
int RunProcess(const std::wstring& exe, const std::wstring& arguments,
               const std::wstring& currentDirectory);

// A visible top-level window of the given process (any process for 0) and
// class, with a child of the given identifier unless that is 0.
HWND FindVisibleWindow(DWORD process, const char* className, int requiredChild = 0);
// Texts of windows of this or another process, through the messages that
// carry them.
std::string TextOf(HWND window);
void SetTextOf(HWND window, std::string_view text);

// A message box as the user saw it.
struct SeenNotice {
    std::string caption;
    std::string text;
    bool okOnly = false;  // an OK button and no other
    bool ownerless = false;
    bool windowDisabled = false;  // the given window was disabled meanwhile
};

// The identifier of a message box's text.
inline constexpr int kMessageText = 0xFFFF;
// A visible message box of the given process.
HWND FindMessageBox(DWORD process);
// Reads a message box; `watched` is a window that it should disable.
SeenNotice ReadNotice(HWND box, HWND watched);
// Presses its OK button.
void CloseNotice(HWND box);

// Runs `action`, which is expected to show message boxes; each is read and
// closed with OK as a user would.
std::vector<SeenNotice> CatchNotices(const std::function<void()>& action, HWND watched = nullptr);
