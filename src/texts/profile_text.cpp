#include "texts/profile_text.h"

#include <windows.h>

#include <vector>

#include "texts/profile_args.h"

std::string ReadProfileText(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view fallback)
{
    const std::string fileName(SkipLeadingBlanks(file));
    const std::string sectionName(SkipLeadingBlanks(section));
    const std::string keyName(SkipLeadingBlanks(key));
    if (fileName.empty() || sectionName.empty() || keyName.empty())
        return {};

    const std::string fallbackText(fallback);
    std::vector<char> buffer(kProfileBufferSize, '\0');
    GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), fallbackText.c_str(),
                             buffer.data(), kProfileBufferSize, fileName.c_str());
    buffer.back() = '\0';
    return std::string(buffer.data());
}
