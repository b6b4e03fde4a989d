#pragma once
#include <string_view>

// Opens the chosen file for reading and writing with no sharing, as a file that
// must exist, and closes it at once. Whether it opened is not reported.
void ProbeChosenFile(std::string_view path);
