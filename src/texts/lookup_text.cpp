#include "texts/lookup_text.h"

#include "texts/profile_text.h"
#include "texts/run_directory.h"

std::string LookupText(std::string_view key, std::string_view fallback)
{
    return ReadProfileText(RunDirectory() + "\\peizhi2.ini", "wenzi", key, fallback);
}
