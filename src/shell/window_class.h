#pragma once
#include <windows.h>

// Registers a window class of this program with the arrow cursor and no
// background brush (its windows paint themselves, or are never seen). True
// also when the class is registered already.
inline bool RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
