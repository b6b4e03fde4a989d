#pragma once
#include <string>
#include <string_view>
#include <windows.h>

// Full path of a loaded module (nullptr: the executable), never cut short.
std::string ModulePath(HMODULE module);

// The part of a path before its last backslash, found in the ANSI code page so
// that a trailing byte 0x5C of a double-byte character is not taken for one.
// Empty when the path holds no backslash.
std::string DirectoryOf(std::string_view path);

// The folder that holds the running executable, without a trailing backslash.
// Determined on first use and fixed for the life of the process; the settings
// files are always addressed inside it.
std::string RunDirectory();

// Makes RunDirectory the current directory; start-up calls this first.
void EnterRunDirectory();
