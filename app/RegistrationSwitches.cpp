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

RegistrationRequest FindRegistrationArgument(const std::vector<std::string>& args)
{
    if (args.empty()) {
        return RegistrationRequest::None;
    }
    const std::string& last = args.back();
    if (last.empty() || (last[0] != '-' && last[0] != '/')) {
        return RegistrationRequest::None;
    }
    const char* name = last.c_str() + 1;
    if (strcasecmp(name, "UnregServer") == 0) {
        return RegistrationRequest::Unregister;
    }
    if (strcasecmp(name, "RegServer") == 0) {
        return RegistrationRequest::Register;
    }
    return RegistrationRequest::None;
}
