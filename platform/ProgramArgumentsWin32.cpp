#include "ProgramArguments.h"

#include "WideText.h"

#include <windows.h>
#include <shellapi.h>

std::vector<std::string> ProgramArguments(int, char**)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        args.push_back(WideToUtf8(wide[i]));
    }
    LocalFree(wide);
    return args;
}
