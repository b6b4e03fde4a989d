#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "texts/builtin_texts.h"

// fileDialog (通用对话框1): the open-file dialog in which the user picks
// Client.exe. Its settings are applied afresh each time it opens.
class FileDialog {
public:
    // Shows the dialog owned by `owner`, which stays disabled until it closes.
    // True when the user confirmed a file; FileName() is then its full path.
    // On a cancel FileName() keeps its previous value.
    bool Open(HWND owner);
    const std::string& FileName() const { return fileName_; }
    // Takes effect from the next opening on.
    void SetFilter(std::string_view filter) { filter_ = filter; }

private:
    std::string fileName_;
    std::string filter_{kDefaultFilter};
};
