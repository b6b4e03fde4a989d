#pragma once
#include <string_view>

// Passes over the leading control bytes and blanks (0x01 to 0x20) of a file,
// section or key name before it reaches the profile reader.
std::string_view SkipLeadingBlanks(std::string_view text);
