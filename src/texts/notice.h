#pragma once
#include <string_view>

// A task-modal message box captioned "信息：" with one OK button; returns when
// the user has closed it.
void ShowNotice(std::string_view text);
