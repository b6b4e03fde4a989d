#include "repair/repair_registry.h"

#include <windows.h>

#include "repair/path_trim.h"
#include "repair/probe_chosen_file.h"
#include "repair/registry_text.h"
#include "texts/builtin_texts.h"
#include "texts/lookup_text.h"
#include "texts/success_notice.h"

std::string RegisteredBaseDir;

namespace {

struct Registration {
    std::string_view baseDir;
    std::string_view errorReport;
};

constexpr Registration kNative{"SOFTWARE\\plaync\\BNS_KOR\\BaseDir",
                               "SOFTWARE\\plaync\\BNS_KOR\\ErrorReport"};
constexpr Registration kWow6432Node{"SOFTWARE\\Wow6432Node\\plaync\\BNS_KOR\\BaseDir",
                                    "SOFTWARE\\Wow6432Node\\plaync\\BNS_KOR\\ErrorReport"};

// ErrorReport is written only after BaseDir was; a BaseDir already written
// stays when ErrorReport fails.
bool Register(const Registration& where, std::string_view gameRoot)
{
    return WriteRegistryText(HKEY_LOCAL_MACHINE, where.baseDir, gameRoot) &&
           WriteRegistryText(HKEY_LOCAL_MACHINE, where.errorReport, "1");
}

std::string ReadBaseDir(const Registration& where)
{
    return ReadRegistryText(HKEY_LOCAL_MACHINE, where.baseDir, kReadFailed);
}

std::string WithoutLastComponent(std::string_view path)
{
    return LeftPart(path, FindLastSeparator(path) - 1);
}

}  // namespace

void RepairRegistry(RepairWindow& window)
{
    if (!window.OpenFileDialog())
        return;
    // The dialog has been shown already: a changed filter applies from the
    // next click on.
    window.SetFileDialogFilter(LookupText(kFilterKey, kDefaultFilter));
    const std::string chosen = window.FileDialogFileName();
    ProbeChosenFile(chosen);

    // ...\<root>\BIN\Client.exe -> ...\<root>
    const std::string gameRoot = WithoutLastComponent(WithoutLastComponent(chosen));
    window.SetRepairLogContent(std::string(kPathLinePrefix) + gameRoot + "\r\n");

    bool registered = false;
    if (Register(kNative, gameRoot))
        registered = true;
    else
        window.ShowNotice(LookupText(kNativeFailedKey, kRegisterFailed));
    if (Register(kWow6432Node, gameRoot))
        registered = true;
    else
        window.ShowNotice(LookupText(kWowFailedKey, kRegisterFailed));

    RegisteredBaseDir = ReadBaseDir(kWow6432Node);
    const std::string native = ReadBaseDir(kNative);
    const std::string wow6432Node = ReadBaseDir(kWow6432Node);
    if (native != wow6432Node)
        window.ShowNotice(LookupText(kMismatchKey, kRepairError));

    window.SetPathBoxContent(RegisteredBaseDir);
    if (registered)
        window.SetRepairLogContent(window.RepairLogContent() + SuccessNotice());
}
