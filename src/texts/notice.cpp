#include "texts/notice.h"

#include <windows.h>

#include <string>

#include "texts/builtin_texts.h"

void ShowNotice(std::string_view text)
{
    // No owner and MB_TASKMODAL: every top-level window of this thread, the
    // main window among them, stays disabled until the box is closed.
    const std::string message(text);
    const std::string caption(kNoticeCaption);
    MessageBoxA(nullptr, message.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
}
