#pragma once

#include <string>

// UTF-8 <-> UTF-16 for the Windows API's wide functions; invalid input
// becomes U+FFFD. Windows only.
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);
