#include "ProgramArguments.h"
#include "TokiTableCli.h"

#include <iostream>

int main(int argc, char** argv)
{
    return RunTokiCli(ProgramArguments(argc, argv), std::cout, std::cerr);
}
