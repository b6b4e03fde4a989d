#include "shell/file_dialog.h"

#include <commdlg.h>

#include <algorithm>

#include "shell/filter_list.h"

namespace {

// The dialog's fixed settings. The title is empty: the platform's own shows.
constexpr char kInitialDirectory[] = "e:\\";
// No dot and at most three characters: the platform appends it to a typed
// name without an extension, and "*.exe" would turn "Client" into "Client.*.e".
constexpr char kDefaultExtension[] = "exe";
constexpr int kInitialFilter = 0;
constexpr DWORD kFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT |
                         OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;

}  // namespace

bool FileDialog::Open(HWND owner)
{
    const std::string filterList = FilterList(filter_);
    char file[MAX_PATH] = {};
    // A confirmed name always fits; the copy is bounded all the same.
    fileName_.copy(file, std::min(fileName_.size(), sizeof file - 1));

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterList.empty() ? nullptr : filterList.c_str();
    dialog.nFilterIndex = filterList.empty() ? 0 : std::max(kInitialFilter, 0) + 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = kInitialDirectory;
    dialog.lpstrDefExt = kDefaultExtension;
    dialog.Flags = kFlags;
    if (!GetOpenFileNameA(&dialog))
        return false;
    fileName_ = file;
    return true;
}
