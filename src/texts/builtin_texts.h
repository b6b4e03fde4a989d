#pragma once
// The tool's own texts, as the GBK bytes it hands to the ANSI functions. Each is
// written as escaped bytes with its text beside it; a test encodes the text to
// GBK and compares, so a mistyped byte cannot hide here.
#include <string_view>

// 剑灵主文件(Client.exe)|*.exe
inline constexpr std::string_view kDefaultFilter =
    "\xBD\xA3\xC1\xE9\xD6\xF7\xCE\xC4\xBC\xFE(Client.exe)|*.exe";
// 剑灵文件注册失败！
inline constexpr std::string_view kRegisterFailed =
    "\xBD\xA3\xC1\xE9\xCE\xC4\xBC\xFE\xD7\xA2\xB2\xE1\xCA\xA7\xB0\xDC\xA3\xA1";
// 注册表修复错误，请使用管理员权限打开登录器。
inline constexpr std::string_view kRepairError =
    "\xD7\xA2\xB2\xE1\xB1\xED\xD0\xDE\xB8\xB4\xB4\xED\xCE\xF3\xA3\xAC\xC7\xEB\xCA\xB9\xD3\xC3\xB9"
    "\xDC\xC0\xED\xD4\xB1\xC8\xA8\xCF\xDE\xB4\xF2\xBF\xAA\xB5\xC7\xC2\xBC\xC6\xF7\xA1\xA3";
// 注册表修复成功，请登录汉化工具。
inline constexpr std::string_view kSuccessNotice =
    "\xD7\xA2\xB2\xE1\xB1\xED\xD0\xDE\xB8\xB4\xB3\xC9\xB9\xA6\xA3\xAC\xC7\xEB\xB5\xC7\xC2\xBC\xBA"
    "\xBA\xBB\xAF\xB9\xA4\xBE\xDF\xA1\xA3";
// 信息：
inline constexpr std::string_view kNoticeCaption = "\xD0\xC5\xCF\xA2\xA3\xBA";
// 读取失败
inline constexpr std::string_view kReadFailed = "\xB6\xC1\xC8\xA1\xCA\xA7\xB0\xDC";
// 你的游戏路径为：
inline constexpr std::string_view kPathLinePrefix =
    "\xC4\xE3\xB5\xC4\xD3\xCE\xCF\xB7\xC2\xB7\xBE\xB6\xCE\xAA\xA3\xBA";
