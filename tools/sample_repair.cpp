// A sample repair through the tool's window, for `make run` without a display
// and for the README's screenshots: starts RegRepair.exe beside this program,
// picks e:\剑灵\BIN\Client.exe in its file dialog, prints what the window and
// the registry hold afterwards and closes the tool.
//   sample_repair [BEFORE.bmp|- AFTER.bmp|-]   also saves the window before and after
#include <windows.h>

#include <cstdio>
#include <string>

#include "test_support.h"
#include "tool_driver.h"

namespace {

// The window and a margin around it, as the screen shows it, as a 24-bit BMP.
bool SaveScreenshot(HWND window, const char* path)
{
    RECT area{};
    GetWindowRect(window, &area);
    InflateRect(&area, 16, 16);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) && bits;
    SelectObject(memory, previous);

    const DWORD stride = (width * 3 + 3) & ~3u;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    bool written = false;
    if (copied) {
        std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
        bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
        bytes.append(static_cast<const char*>(bits), imageSize);
        WriteFileBytes(path, bytes);
        written = true;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

// Lets the window finish painting before its picture is taken.
void SettlePainting(const Tool& tool)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(tool.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    Sleep(500);
}

// Continuation lines of a multi-line text, indented under the first.
std::string Indented(std::string text)
{
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.replace(at, 2, "\n                 "), at += 18;
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto screenshot = [&](int i) -> const char* {
        return argc == 3 && std::string(argv[i]) != "-" ? argv[i] : nullptr;
    };
    const char* before = screenshot(1);
    const char* after = screenshot(2);

    Tool tool;
    if (!tool.running()) {
        std::printf("RegRepair.exe did not show its window\n");
        return 1;
    }
    if (before) {
        SettlePainting(tool);
        SaveScreenshot(tool.window, before);
    }
    // Typed relative to e:\, where the dialog opens.
    const RepairRun run = RunRepair(tool, Gbk("剑灵\\BIN\\Client.exe"));
    if (!run.finished) {
        std::printf("the sample repair did not finish\n");
        return 1;
    }
    std::printf("repair log box:  %s\n", Indented(TextOf(tool.repairLogBox)).c_str());
    std::printf("path box:        %s\n", TextOf(tool.pathBox).c_str());
    for (const char* key : {kNativeKey, kWowKey})
        std::printf("HKLM\\%s: BaseDir = %s, ErrorReport = %s\n", key,
                    StoredText(key, "BaseDir").c_str(), StoredText(key, "ErrorReport").c_str());
    for (const SeenNotice& notice : run.notices)
        std::printf("notice:          %s\n", notice.text.c_str());
    if (after) {
        SettlePainting(tool);
        SaveScreenshot(tool.window, after);
    }
    const auto exitCode = tool.Close();
    std::printf("closed, exit code %ld\n", exitCode ? long(*exitCode) : -1L);
    return exitCode == 0u ? 0 : 1;
}
