#pragma once
// Drives RegRepair.exe from another process as a user would: finds its window
// and components, clicks, types, answers its file dialog and notices, and
// reads what the boxes show.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "test_support.h"

// The tool as started from the test folder, where its settings files lie.
class Tool {
public:
    // Starts RegRepair.exe on the given desktop (the default one when empty)
    // and waits until its window is shown. Check running() afterwards.
    explicit Tool(const std::string& desktop = {});
    ~Tool();
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    bool running() const { return window != nullptr; }

    // Closes the window as its close button does and waits for the process;
    // its exit code, or nullopt when it did not end.
    std::optional<DWORD> Close();
    // Ends the process at once; for a tool that no longer answers.
    void Kill();

    HWND window = nullptr;
    HWND owner = nullptr;
    HWND pathLabel = nullptr;
    HWND pathBox = nullptr;
    HWND repairButton = nullptr;
    HWND repairLogBox = nullptr;
    DWORD threadId = 0;
    HANDLE process = nullptr;
};

// The tool's visible file dialog.
HWND FindFileDialog(DWORD processId);
// Polls for one of them; nullptr after `milliseconds`.
HWND WaitForFileDialog(const Tool& tool, DWORD milliseconds = 10000);
HWND WaitForMessageBox(const Tool& tool, DWORD milliseconds = 10000);

// The open-file dialog as the user sees it.
struct FileDialogView {
    std::string fileName;              // the name field
    std::vector<std::string> filters;  // the descriptions in the type list
    HWND owner = nullptr;
    bool ownerEnabled = true;
};
FileDialogView ReadFileDialog(HWND dialog);
// Types `name` into the name field and presses Open.
void ConfirmFile(HWND dialog, std::string_view name);
void CancelFileDialog(HWND dialog);

// One repair through the window: click the button; answer the dialog with
// `choice` (a name to type, or nullopt to cancel); read and close every
// notice until the run is over.
struct RepairRun {
    bool dialogShown = false;
    FileDialogView dialog;
    std::vector<SeenNotice> notices;  // each read, then closed with OK
    bool finished = false;
};
RepairRun RunRepair(Tool& tool, const std::optional<std::string>& choice);

// Keyboard input to the tool, which is brought to the foreground first.
void PressKey(const Tool& tool, WORD key, bool shift = false);
HWND FocusOf(const Tool& tool);
// Waits until the focus is on `expected`; false after a few seconds.
bool WaitForFocus(const Tool& tool, HWND expected);

// Wine takes the size of the last virtual desktop it made as the screen size
// of every desktop in the session; this gives the session its size back.
class KeepScreenSize {
public:
    KeepScreenSize();
    ~KeepScreenSize();
    KeepScreenSize(const KeepScreenSize&) = delete;
    KeepScreenSize& operator=(const KeepScreenSize&) = delete;

private:
    int width_;
    int height_;
};
