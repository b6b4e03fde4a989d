#include "shell/main_window.h"

#include <algorithm>

#include "shell/gdi.h"
#include "shell/window_class.h"
#include "texts/builtin_texts.h"
#include "texts/notice.h"

namespace {

constexpr char kClassName[] = "RegRepairMainWindow";
constexpr DWORD kStyle = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;

// Control identifiers; none is IDOK or IDCANCEL.
enum ComponentId : int {
    kPathLabelId = 100,
    kPathBoxId,
    kRepairButtonId,
    kRepairLogBoxId,
};

constexpr COLORREF kLabelColour = RGB(0, 136, 255);
constexpr COLORREF kEditText = RGB(0, 0, 0);
constexpr COLORREF kEditBackground = RGB(255, 255, 255);

HFONT GuiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

struct Placement {
    int left, top, width, height;
};

HWND CreateComponent(HWND parent, HINSTANCE instance, DWORD exStyle, const char* className,
                     std::string_view text, DWORD style, Placement at, ComponentId id)
{
    const std::string initial(text);
    return CreateWindowExA(exStyle, className, initial.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style,
                           at.left, at.top, at.width, at.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// Both edit boxes: no length limit, caret at the start and in view.
void PrepareEditBox(HWND box)
{
    SendMessageA(box, EM_LIMITTEXT, 0, 0);
    SendMessageA(box, EM_SETSEL, 0, 0);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

// A single-line box is never lower than one double-byte character of its font
// plus its sunken edges.
void RaiseToOneLine(HWND box)
{
    SIZE character = {};
    {
        WindowDc dc(box);
        SelectedObject font(dc.get(), GuiFont());
        GetTextExtentPoint32A(dc.get(), kDoubleByteSample.data(),
                              static_cast<int>(kDoubleByteSample.size()), &character);
    }
    const int least = character.cy + 2 * GetSystemMetrics(SM_CYEDGE);
    RECT outer = {};
    GetWindowRect(box, &outer);
    if (outer.bottom - outer.top < least)
        SetWindowPos(box, nullptr, 0, 0, outer.right - outer.left, least,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WindowText(HWND window)
{
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

void SetText(HWND window, std::string_view text)
{
    SetWindowTextA(window, std::string(text).c_str());
}

// Centred on the screen; the division truncates toward zero, so on a screen
// narrower than the window the left edge is negative.
POINT CentredOrigin()
{
    return {(GetSystemMetrics(SM_CXSCREEN) - MainWindow::kWidth) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - MainWindow::kHeight) / 2};
}

}  // namespace

bool MainWindow::Create(HINSTANCE instance, HWND owner)
{
    if (!RegisterWindowClass(instance, kClassName, Procedure))
        return false;
    const POINT origin = CentredOrigin();
    if (!CreateWindowExA(0, kClassName, "", kStyle, origin.x, origin.y, kWidth, kHeight, owner,
                         nullptr, instance, this))
        return false;
    PlaceCentred();
    SetIcons(instance);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    if (!CreateComponents(instance)) {
        DestroyWindow(window_);
        return false;
    }
    // The created event has no handler.
    ShowWindow(window_, SW_SHOW);
    return true;
}

// The platform may adjust the size it was asked for; the window is always
// exactly 374 x 137.
void MainWindow::PlaceCentred()
{
    RECT outer = {};
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left == kWidth && outer.bottom - outer.top == kHeight)
        return;
    const POINT origin = CentredOrigin();
    SetWindowPos(window_, nullptr, origin.x, origin.y, kWidth, kHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetIcons(HINSTANCE instance)
{
    const auto load = [instance](int widthMetric, int heightMetric) {
        return Icon(static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                                  GetSystemMetrics(widthMetric),
                                                  GetSystemMetrics(heightMetric), 0)));
    };
    bigIcon_ = load(SM_CXICON, SM_CYICON);
    smallIcon_ = load(SM_CXSMICON, SM_CYSMICON);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

bool MainWindow::CreateComponents(HINSTANCE instance)
{
    pathLabel_ = CreateComponent(window_, instance, 0, "STATIC", kPathLabelText, SS_OWNERDRAW,
                                 {16, 8, 52, 20}, kPathLabelId);
    pathBox_ = CreateComponent(window_, instance, WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, {72, 8, 260, 20}, kPathBoxId);
    repairButton_ =
        CreateComponent(window_, instance, 0, "BUTTON", kRepairButtonText,
                        WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
                        {7, 34, 104, 70}, kRepairButtonId);
    repairLogBox_ = CreateComponent(
        window_, instance, WS_EX_CLIENTEDGE, "EDIT", kRepairLogIntro,
        WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
        {112, 32, 216, 72}, kRepairLogBoxId);
    if (!pathLabel_ || !pathBox_ || !repairButton_ || !repairLogBox_)
        return false;

    RaiseToOneLine(pathBox_);
    for (HWND component : {pathLabel_, pathBox_, repairButton_, repairLogBox_})
        SendMessageA(component, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    PrepareEditBox(pathBox_);
    PrepareEditBox(repairLogBox_);
    for (HWND component : {pathLabel_, pathBox_, repairButton_, repairLogBox_})
        ShowWindow(component, SW_SHOWNA);
    focus_ = repairButton_;
    return true;
}

bool MainWindow::HandleTabKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !window_ ||
        (msg.hwnd != window_ && !IsChild(window_, msg.hwnd)))
        return false;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const HWND from = msg.hwnd == window_ ? nullptr : msg.hwnd;
    const HWND next = GetNextDlgTabItem(window_, from, backwards);
    if (!next)
        return true;
    SetFocus(next);
    // As in a dialog, tabbing into an edit box selects its text.
    if (next == pathBox_ || next == repairLogBox_)
        SendMessageA(next, EM_SETSEL, 0, -1);
    return true;
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    // Nothing may unwind into the platform's dispatch: a failed allocation in
    // a handler ends that handler only.
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_GETMINMAXINFO:
            AllowFullSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_DRAWITEM:
            DrawPathLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLOREDIT:
            return ColourEditBox(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            OnCommand(wParam);
            return 0;
        case WM_ACTIVATE:
            KeepFocus(wParam);
            break;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_NCDESTROY: {
            const HWND window = window_;
            OnDestroyed();
            return DefWindowProcA(window, message, wParam, lParam);
        }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

// The platform caps a window at about the screen's size; on a screen narrower
// or lower than the window it would otherwise be cut down.
void MainWindow::AllowFullSize(MINMAXINFO& limits)
{
    limits.ptMaxTrackSize.x = std::max<LONG>(limits.ptMaxTrackSize.x, kWidth);
    limits.ptMaxTrackSize.y = std::max<LONG>(limits.ptMaxTrackSize.y, kHeight);
}

void MainWindow::PaintBackground(HDC dc)
{
    RECT client = {};
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::DrawPathLabel(const DRAWITEMSTRUCT& item)
{
    if (item.hwndItem != pathLabel_)
        return;
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    SelectedObject font(item.hDC, GuiFont());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, kLabelColour);
    const std::string text = WindowText(pathLabel_);
    DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
}

// Black on white whatever the system colours are.
LRESULT MainWindow::ColourEditBox(HDC dc)
{
    SetTextColor(dc, kEditText);
    SetBkColor(dc, kEditBackground);
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void MainWindow::OnCommand(WPARAM wParam)
{
    if (LOWORD(wParam) == kRepairButtonId && HIWORD(wParam) == BN_CLICKED)
        RepairRegistry(*this);
}

// A plain window gives the focus to itself on activation; keep the component
// that had it instead, as a dialog does.
void MainWindow::KeepFocus(WPARAM activation)
{
    if (LOWORD(activation) != WA_INACTIVE)
        return;
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus))
        focus_ = focus;
}

void MainWindow::RestoreFocus()
{
    if (focus_ && IsWindow(focus_))
        SetFocus(focus_);
}

// The last window of the program is gone: end the message loop.
void MainWindow::OnDestroyed()
{
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    window_ = pathLabel_ = pathBox_ = repairButton_ = repairLogBox_ = focus_ = nullptr;
    PostQuitMessage(0);
}

bool MainWindow::OpenFileDialog()
{
    return fileDialog_.Open(window_);
}

std::string MainWindow::FileDialogFileName()
{
    return fileDialog_.FileName();
}

void MainWindow::SetFileDialogFilter(std::string_view filter)
{
    fileDialog_.SetFilter(filter);
}

std::string MainWindow::RepairLogContent()
{
    return WindowText(repairLogBox_);
}

void MainWindow::SetRepairLogContent(std::string_view text)
{
    SetText(repairLogBox_, text);
}

void MainWindow::SetPathBoxContent(std::string_view text)
{
    SetText(pathBox_, text);
}

void MainWindow::ShowNotice(std::string_view text)
{
    ::ShowNotice(text);
    // An ownerless box hands the activation to nobody when it closes; the
    // user is back in this window, with the focus where it was.
    if (!GetActiveWindow())
        SetActiveWindow(window_);
}
