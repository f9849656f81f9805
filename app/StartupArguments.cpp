#include "StartupArguments.h"

#include <strings.h>

#include <cstring>

namespace {

// Options GTK 3 takes out of the command line when it starts (its own and
// its display layer's), and whether each takes a value. GTK 3 is a finished
// series: this list does not change.
struct ToolkitOption {
    const char* name;
    bool takesValue;
};
const ToolkitOption kToolkitOptions[] = {
    {"--display", true},     {"--class", true},         {"--name", true},
    {"--gtk-module", true},  {"--g-fatal-warnings", false},
    {"--gtk-debug", true},   {"--gtk-no-debug", true},  {"--gdk-debug", true},
    {"--gdk-no-debug", true},
};

// 0 when arg is not a toolkit option; 1 when it stands alone ("--name=x",
// "--g-fatal-warnings"); 2 when the value follows as the next argument.
int ToolkitOptionLength(const std::string& arg)
{
    for (const ToolkitOption& o : kToolkitOptions) {
        const std::size_t n = std::strlen(o.name);
        if (arg.compare(0, n, o.name) != 0) {
            continue;
        }
        if (arg.size() == n) {
            return o.takesValue ? 2 : 1;
        }
        if (o.takesValue && arg[n] == '=') {
            return 1;
        }
    }
    return 0;
}

bool IsSwitchStart(char c)
{
    return c == '-' || c == '/';
}

// "-Name" or "/Name" in any case, optionally followed by blanks or tabs.
bool IsSwitch(const std::string& arg, const char* name, bool blanksAllowed)
{
    if (arg.size() < 2 || !IsSwitchStart(arg[0])) {
        return false;
    }
    std::string rest = arg.substr(1);
    if (blanksAllowed) {
        rest.erase(rest.find_last_not_of(" \t") + 1);
    }
    return strcasecmp(rest.c_str(), name) == 0;
}

bool IsRegistrationSwitch(const std::string& arg)
{
    return IsSwitch(arg, "RegServer", true) || IsSwitch(arg, "UnregServer", true);
}

bool IsServerSwitch(const std::string& arg)
{
    return IsSwitch(arg, "Embedding", false) || IsSwitch(arg, "Automation", false);
}

}  // namespace

StartupRequest ParseStartupArguments(const std::vector<std::string>& args)
{
    StartupRequest request;
    bool server = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto keepFile = [&request, &arg] {
            if (request.file.empty()) {
                request.file = arg;  // later files are passed over
            }
        };
        if (optionsEnded) {
            keepFile();
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--hidden") {
            request.hidden = true;
        } else if (arg == "--help") {
            return {StartupAction::ShowHelp, "", ""};
        } else if (arg == "--version") {
            return {StartupAction::ShowVersion, "", ""};
        } else if (IsRegistrationSwitch(arg)) {
            // Not the end of the line: the program goes on as without it.
        } else if (IsServerSwitch(arg)) {
            server = true;
        } else if (const int length = ToolkitOptionLength(arg)) {
            i += static_cast<std::size_t>(length - 1);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return {StartupAction::RejectOption, "", arg};
        } else {
            keepFile();
        }
    }
    if (server) {
        request.action = StartupAction::RunServer;
    }
    return request;
}

std::string StartupUsage(const std::string& program)
{
    return "usage: " + program + " [--hidden] [FILE]\n"
           "       " + program + " --help | --version\n"
           "A desktop clock that keeps and strikes the traditional Japanese temporal\n"
           "hours (toki). A FILE named must be readable; the clock does not use what\n"
           "it holds. The settings are an INI file beside the program, or in\n"
           "~/.config/vellmor/ when the program's folder cannot be written.\n"
           "  --hidden   start without the window when the clock shows in the\n"
           "             desktop's panel (its menu shows the window)\n"
           "  --help     print this text and end\n"
           "  --version  print the name and version and end\n"
           "The toolkit's own options, such as --display=DISPLAY, are taken as well.\n";
}
