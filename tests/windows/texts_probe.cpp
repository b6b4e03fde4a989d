// Reports where the tool's text lookups find their settings when the
// executable lies elsewhere: writes the run directory, the current directory
// after start-up, and the looked-up "sousuo3" to the file named first.
#include <windows.h>

#include <string>

#include "texts/lookup_text.h"
#include "texts/run_directory.h"

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    EnterRunDirectory();
    char current[4096] = {};
    GetCurrentDirectoryA(sizeof current, current);
    const std::string report =
        RunDirectory() + "\n" + current + "\n" + LookupText(kNativeFailedKey, "default") + "\n";
    HANDLE file = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    WriteFile(file, report.data(), DWORD(report.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
