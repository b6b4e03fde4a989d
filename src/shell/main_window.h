#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "repair/owned_handles.h"
#include "repair/repair_registry.h"
#include "shell/file_dialog.h"

// MainWindow: the tool's one window, with the path label and box, the repair
// button, the repair log and the file dialog. It gives the repair run the
// operations it needs on them.
class MainWindow final : public RepairWindow {
public:
    static constexpr int kWidth = 374;  // outer size, frame and caption included
    static constexpr int kHeight = 137;

    // Creates the window centred on the screen, owned by `owner` (which keeps
    // it off the taskbar), with its components, and shows it. False when the
    // platform refused.
    bool Create(HINSTANCE instance, HWND owner);

    // Tab and Shift+Tab move the focus between the tab stops; true when `msg`
    // was such a key and has been handled.
    bool HandleTabKey(const MSG& msg);

    bool OpenFileDialog() override;
    std::string FileDialogFileName() override;
    void SetFileDialogFilter(std::string_view filter) override;
    std::string RepairLogContent() override;
    void SetRepairLogContent(std::string_view text) override;
    void SetPathBoxContent(std::string_view text) override;
    void ShowNotice(std::string_view text) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void PlaceCentred();
    void SetIcons(HINSTANCE instance);
    bool CreateComponents(HINSTANCE instance);
    void KeepFocus(WPARAM activation);
    void RestoreFocus();
    void AllowFullSize(MINMAXINFO& limits);
    void PaintBackground(HDC dc);
    void DrawPathLabel(const DRAWITEMSTRUCT& item);
    LRESULT ColourEditBox(HDC dc);
    void OnCommand(WPARAM wParam);
    void OnDestroyed();

    HWND window_ = nullptr;
    HWND pathLabel_ = nullptr;     // 标签1
    HWND pathBox_ = nullptr;       // 编辑框2
    HWND repairButton_ = nullptr;  // 注册表修复
    HWND repairLogBox_ = nullptr;  // 修复记录
    HWND focus_ = nullptr;         // the component that had the focus last
    FileDialog fileDialog_;        // 通用对话框1
    Icon bigIcon_;
    Icon smallIcon_;
};
