#include "RegistrationSwitches.h"

#include <strings.h>

RegistrationRequest FindRegistrationSwitch(const std::string& commandLine)
{
    for (std::size_t pos = commandLine.find_first_of("-/"); pos != std::string::npos;
         pos = commandLine.find_first_of("-/", pos + 1)) {
        const char* candidate = commandLine.c_str() + pos + 1;
        if (strcasecmp(candidate, "UnregServer") == 0) {
            return RegistrationRequest::Unregister;
        }
        if (strcasecmp(candidate, "RegServer") == 0) {
            return RegistrationRequest::Register;
        }
    }
    return RegistrationRequest::None;
}
