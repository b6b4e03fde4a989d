#pragma once
#include <string>

// True exactly when key "fth" of section "hanhua" in peizhi.ini beside the
// executable reads "t".
bool TraditionalSwitchOn();

// The success notice: GBK, or its BIG5 conversion when the switch is on.
std::string SuccessNotice();
