#include "repair/probe_chosen_file.h"

#include <string>

#include "repair/owned_handles.h"

void ProbeChosenFile(std::string_view path)
{
    const std::string name(path);
    FileHandle file(CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}
