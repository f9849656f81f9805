#pragma once

#include <string>

// A program's path as the first word of the Exec line of a desktop entry
// (the freedesktop.org format): as it is when it holds only letters, digits
// and "/._-+,:" (or bytes of UTF-8 beyond ASCII), otherwise quoted with '"',
// '`', '$' and '\' escaped for the quoting, and then backslashes, line
// breaks and tabs escaped once more for the value's own string rules; '%'
// is doubled, or it would be a field code.
std::string DesktopExecProgram(const std::string& path);
