// Saves the default settings to the file named on the command line, once, so
// that a tracer can watch the system calls of one save. Exit status 0 when the
// save succeeded.
#include "ClockSettings.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        return 2;
    }
    ClockSettings settings;
    settings.iniPath = argv[1];
    return settings.Save() ? 0 : 1;
}
