// The start with the session on free desktops: an entry in the user's XDG
// autostart folder ($XDG_CONFIG_HOME/autostart, ~/.config/autostart).
#include "SessionStart.h"

#include "DesktopExec.h"
#include "FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <ostream>

namespace {

constexpr const char* kEntryName = "org.vellmor.vellmor.desktop";

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Whether the entry says Hidden=true in its [Desktop Entry] group.
bool EntryHidden(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    bool inEntry = false;
    while (std::getline(in, line)) {
        const std::string text = Trimmed(line);
        if (!text.empty() && text[0] == '[') {
            inEntry = text == "[Desktop Entry]";
            continue;
        }
        const auto equals = text.find('=');
        if (inEntry && equals != std::string::npos && Trimmed(text.substr(0, equals)) == "Hidden") {
            return Trimmed(text.substr(equals + 1)) == "true";
        }
    }
    return false;
}

}  // namespace

std::string SessionStartPlace()
{
    const std::string home = UserConfigHome();
    if (home.empty()) {
        return "";
    }
    return home + "/autostart/" + kEntryName;
}

bool SessionStartsProgram()
{
    const std::string path = SessionStartPlace();
    return !path.empty() && CanOpenFileForReading(path) && !EntryHidden(path);
}

WriteOutcome SetSessionStartsProgram(bool on)
{
    const std::string path = SessionStartPlace();
    if (path.empty()) {
        return WriteOutcome::Failure("no configuration folder is known (HOME is not set)");
    }
    if (!on) {
        if (std::remove(path.c_str()) != 0 && errno != ENOENT) {
            return WriteOutcome::Failure(SystemErrorText(errno));
        }
        return WriteOutcome::Success();
    }
    const std::string program = RunningExecutablePath();
    if (program.empty()) {
        return WriteOutcome::Failure("the program's own path cannot be found");
    }
    errno = ENOTDIR;  // the reason when a file stands where the folder would be
    if (!MakeFolders(FolderOf(path))) {
        return WriteOutcome::Failure(SystemErrorText(errno));
    }
    return ReplaceFileAtomically(path, [&program](std::ostream& out) {
        out << "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Vellmor\n"
               "Comment=不定時法の「とき」を示し、鐘をつく時計\n"
               "Exec="
            << DesktopExecProgram(program)
            << " --hidden\n"
               "Icon=vellmor\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n";
        return static_cast<bool>(out);
    });
}
