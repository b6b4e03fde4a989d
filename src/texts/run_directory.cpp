#include "texts/run_directory.h"

std::string ModulePath(HMODULE module)
{
    // A path longer than the buffer comes back cut. The platform may stop one
    // byte short of the end when the next character takes two bytes, so only
    // a result with a byte to spare is surely whole; otherwise grow and ask
    // again. A path never exceeds 32,767 characters, twice that in bytes.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD n = GetModuleFileNameA(module, path.data(), size);
        if (n == 0)
            return {};
        if (n + 1 < size) {
            path.resize(n);
            return path;
        }
        if (size > 2 * 32768)
            return {};
        path.resize(size * 2);
    }
}

std::string DirectoryOf(std::string_view path)
{
    const std::string text(path);
    const char* last = nullptr;
    for (const char* p = text.c_str(); *p; p = CharNextA(p))
        if (*p == '\\')
            last = p;
    return last ? std::string(text.c_str(), last) : std::string();
}

std::string RunDirectory()
{
    static const std::string directory = DirectoryOf(ModulePath(nullptr));
    return directory;
}

void EnterRunDirectory()
{
    SetCurrentDirectoryA(RunDirectory().c_str());
}
