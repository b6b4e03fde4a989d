#pragma once
#include <string>
#include <string_view>

// Keys of section "wenzi" in the texts file.
inline constexpr std::string_view kFilterKey = "sousuo1";        // file dialog filter
inline constexpr std::string_view kNativeFailedKey = "sousuo3";  // native pair not written
inline constexpr std::string_view kWowFailedKey = "sousuo4";     // Wow6432Node pair not written
inline constexpr std::string_view kMismatchKey = "sousuo5";      // read-backs differ

// A display text from peizhi2.ini beside the executable, read afresh on every
// call, or `fallback` when the file, section or key is missing.
std::string LookupText(std::string_view key, std::string_view fallback);
