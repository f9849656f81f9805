#include "Registration.h"

std::string WholeCommandLine(int argc, char** argv)
{
    std::string commandLine;
    for (int i = 0; i < argc; ++i) {
        commandLine += (i ? " " : "") + std::string(argv[i]);
    }
    return commandLine;
}

void CarryOutRegistration(RegistrationRequest)
{
    // No registry here: the switches only end the program.
}
