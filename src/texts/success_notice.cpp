#include "texts/success_notice.h"

#include "texts/big5.h"
#include "texts/builtin_texts.h"
#include "texts/profile_text.h"
#include "texts/run_directory.h"

bool TraditionalSwitchOn()
{
    return ReadProfileText(RunDirectory() + "\\peizhi.ini", "hanhua", "fth", "f") == "t";
}

std::string SuccessNotice()
{
    return TraditionalSwitchOn() ? ToBig5(kSuccessNotice) : std::string(kSuccessNotice);
}
