#pragma once
#include <string>
#include <string_view>

// 1-based position of the last backslash in `text` that is a character of its
// own, or -1. A byte of 0x80 or above starts a two-byte character whose second
// byte is never taken for a backslash (淺 is 9C 5C, 誠 is D5 5C). The text ends
// at its end or at a zero byte, whichever comes first.
int FindLastSeparator(std::string_view text);

// The first `n` bytes of `text` (all of it when shorter); empty for n <= 0.
std::string LeftPart(std::string_view text, int n);
