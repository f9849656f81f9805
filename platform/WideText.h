#pragma once

#include <cstddef>
#include <string>

// UTF-8 <-> UTF-16 for the Windows API's wide functions; invalid input
// becomes U+FFFD. Windows only.
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

// Copies UTF-8 into a fixed wide buffer of the Windows API (a tooltip, a
// balloon's title), cut to fit and always ended by L'\0'.
void CopyToWideBuffer(wchar_t* to, std::size_t size, const std::string& utf8);
template <std::size_t N>
void CopyToWideBuffer(wchar_t (&to)[N], const std::string& utf8)
{
    CopyToWideBuffer(to, N, utf8);
}
