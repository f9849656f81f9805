#include "ProgramArguments.h"
#include "StandardOutput.h"
#include "TokiTableCli.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    TokiCliOptions options;
    std::string error;
    if (ParseTokiCliOptions(args, options, error) && options.hasIcs) {
        // The iCalendar file's CR LF line ends go out as they are.
        UseBinaryStandardOutput();
    }
    return RunTokiCli(args, std::cout, std::cerr);
}
