// Start-up, the message loop and the end of the process.
#include <windows.h>

#include <string>

#include "repair/owned_handles.h"
#include "repair/repair_registry.h"
#include "shell/main_window.h"
#include "shell/window_class.h"
#include "texts/builtin_texts.h"
#include "texts/run_directory.h"

namespace {

constexpr char kOwnerClassName[] = "RegRepairOwner";

// The hidden owner of the main window: an owned window gets no taskbar
// button. No style bits, so it is never visible.
Window CreateOwnerWindow(HINSTANCE instance)
{
    if (!RegisterWindowClass(instance, kOwnerClassName, DefWindowProcA))
        return Window();
    return Window(CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClassName, "", 0, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr));
}

void ReportFailedStartup()
{
    MessageBoxA(nullptr, std::string(kStartupFailed).c_str(), std::string(kNoticeCaption).c_str(),
                MB_OK | MB_ICONERROR);
}

// The exit routine: the one program-global text goes back exactly once.
void ReleaseRegisteredBaseDir()
{
    std::string().swap(RegisteredBaseDir);
}

int RunMessageLoop(MainWindow& mainWindow)
{
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got == -1)
            return -1;
        if (mainWindow.HandleTabKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    EnterRunDirectory();
    const Window owner = CreateOwnerWindow(instance);
    MainWindow mainWindow;
    if (!owner || !mainWindow.Create(instance, owner.get())) {
        ReportFailedStartup();
        return -1;
    }
    const int exitCode = RunMessageLoop(mainWindow);
    ReleaseRegisteredBaseDir();
    return exitCode;
}
