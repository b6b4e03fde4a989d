#include "repair/registry_text.h"

#include <algorithm>
#include <cstring>

#include "repair/owned_handles.h"
#include "repair/path_trim.h"

namespace {

struct ValuePath {
    std::string key;
    std::string value;
};

ValuePath SplitValuePath(std::string_view fullPath)
{
    const int separator = FindLastSeparator(fullPath);
    if (separator < 0)
        return {std::string(), std::string(fullPath)};
    return {LeftPart(fullPath, separator - 1), std::string(fullPath.substr(separator))};
}

RegKey OpenKey(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

RegKey OpenOrCreateKey(HKEY root, const std::string& path)
{
    if (RegKey key = OpenKey(root, path, KEY_WRITE))
        return key;
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

// Bytes up to the first zero; string data need not carry a terminator.
std::string UpToZero(const std::string& data)
{
    return data.substr(0, std::min(data.size(), std::strlen(data.c_str())));
}

std::string ExpandVariables(const std::string& text, std::string_view fallback)
{
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0)
        return std::string(fallback);
    // ANSI callers are told to allow one byte more than the count reported.
    std::string expanded(needed + 1, '\0');
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.data(),
                                                    static_cast<DWORD>(expanded.size()));
    if (written == 0 || written > expanded.size())
        return std::string(fallback);
    return UpToZero(expanded);
}

}  // namespace

bool WriteRegistryText(HKEY root, std::string_view fullPath, std::string_view text)
{
    const ValuePath where = SplitValuePath(fullPath);
    const RegKey key = OpenOrCreateKey(root, where.key);
    if (!key)
        return false;
    const std::string data(text);
    const DWORD size = static_cast<DWORD>(std::strlen(data.c_str()) + 1);
    return RegSetValueExA(key.get(), where.value.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), size) == ERROR_SUCCESS;
}

std::string ReadRegistryText(HKEY root, std::string_view fullPath, std::string_view fallback)
{
    const ValuePath where = SplitValuePath(fullPath);
    const RegKey key = OpenKey(root, where.key, KEY_READ);
    if (!key)
        return std::string(fallback);

    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), where.value.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
        return std::string(fallback);

    // One spare zero byte so the data ends in a terminator even when the
    // stored string has none; only the bytes the read delivers are kept.
    std::string data(size + 1, '\0');
    DWORD readType = REG_NONE;
    DWORD read = size;
    if (RegQueryValueExA(key.get(), where.value.c_str(), nullptr, &readType,
                         reinterpret_cast<BYTE*>(data.data()), &read) != ERROR_SUCCESS ||
        readType != type || read > size)
        return std::string(fallback);
    data.resize(read);

    const std::string text = UpToZero(data);
    return type == REG_EXPAND_SZ ? ExpandVariables(text, fallback) : text;
}
