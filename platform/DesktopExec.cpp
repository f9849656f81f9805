#include "DesktopExec.h"

namespace {

bool PassesBare(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '/' || c == '.' || c == '_' || c == '-' || c == '+' || c == ',' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

std::string DesktopExecProgram(const std::string& path)
{
    bool bare = !path.empty();
    for (char c : path) {
        bare = bare && PassesBare(c);
    }
    if (bare) {
        return path;
    }
    // The quoting, then the string escapes of the value on top of it.
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        switch (c) {
        case '\\': value += "\\\\"; break;
        case '\n': value += "\\n"; break;
        case '\t': value += "\\t"; break;
        case '\r': value += "\\r"; break;
        case '%': value += "%%"; break;
        default: value += c; break;
        }
    }
    return value;
}
