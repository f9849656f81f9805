#pragma once

#include <string>

// Shows text (UTF-8, lines ended by "\n") to the user from a program that
// may have no console; one implementation per system. Used for --help,
// --version and a rejected option, before any window exists.
//
// POSIX (UserTextPosix.cpp): stdout, or stderr for an error.
// Windows (UserTextWin32.cpp): a windowed program has no console of its own.
// The standard handle, when the parent gave one (a pipe or a file); else the
// console of the parent (a command prompt) when it has one; else a message
// box.
void ShowUserText(const std::string& text, bool isError);
