#pragma once
#include <string>
#include <string_view>

// Largest value the profile reader delivers is one byte less than this.
inline constexpr unsigned kProfileBufferSize = 10240;

// One value of a profile file, as its bytes. Leading blanks of file, section
// and key are passed over; if any of them is then empty the result is empty
// and no file is read. Otherwise the value, or `fallback` when the file, the
// section or the key is missing.
std::string ReadProfileText(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view fallback = {});
