#pragma once
#include <string>
#include <string_view>

// What the repair needs of the window: its component operations and the
// notices. The shell implements it over the real controls and message boxes.
class RepairWindow {
public:
    // fileDialog.Open(): true only when the user confirmed a file.
    virtual bool OpenFileDialog() = 0;
    // fileDialog.FileName: the full path of the last confirmed file.
    virtual std::string FileDialogFileName() = 0;
    // fileDialog.Filter: used from the dialog's next opening on.
    virtual void SetFileDialogFilter(std::string_view filter) = 0;
    virtual std::string RepairLogContent() = 0;
    virtual void SetRepairLogContent(std::string_view text) = 0;
    virtual void SetPathBoxContent(std::string_view text) = 0;
    // A modal notice; returns when the user has closed it.
    virtual void ShowNotice(std::string_view text) = 0;

protected:
    ~RepairWindow() = default;
};

// The Wow6432Node BaseDir as the last run read it back; empty before any run.
extern std::string RegisteredBaseDir;

// One repair run, started by a click on the repair button: choose Client.exe,
// store its client root under both keys, read both back and report.
void RepairRegistry(RepairWindow& window);
