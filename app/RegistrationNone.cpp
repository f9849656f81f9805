#include "Registration.h"

#include <vector>

RegistrationRequest RequestedRegistration(int argc, char** argv)
{
    return FindRegistrationArgument(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}

void CarryOutRegistration(RegistrationRequest)
{
    // No registry here: the switches only end the program.
}
