#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// A registry value named by one full path: the key path, a backslash, and the
// value name. The split is at the last backslash that is a character of its
// own; without one the key path is empty and the whole path names the value.
//
// Keys are always opened in the 64-bit view. A 32-bit process that asks for no
// view has SOFTWARE\X silently redirected to SOFTWARE\Wow6432Node\X on 64-bit
// Windows, so the native registration would land in the Wow6432Node key and the
// read-back would compare that key with itself. 32-bit Windows has one view and
// ignores the flag.

// Stores `text` as a REG_SZ value with its terminating zero, creating the key
// and any missing parent keys. True when the value was stored.
bool WriteRegistryText(HKEY root, std::string_view fullPath, std::string_view text);

// The value's text: REG_SZ up to its first zero byte, REG_EXPAND_SZ expanded.
// `fallback` for a missing key or value, any other type, a string with no data
// bytes, or a value that grew between the size query and the read.
std::string ReadRegistryText(HKEY root, std::string_view fullPath, std::string_view fallback);
