#include "UserText.h"

#include "WideText.h"

#include <windows.h>

namespace {

bool IsUsable(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Windows' own line ends, for a file or pipe that a Windows program reads.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

bool WriteToConsole(HANDLE console, const std::string& text)
{
    const std::wstring wide = Utf8ToWide(WithCrLf(text));
    DWORD written = 0;
    return WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written,
                         nullptr) != 0;
}

bool WriteToFile(HANDLE file, const std::string& text)
{
    const std::string bytes = WithCrLf(text);
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
           written == bytes.size();
}

}  // namespace

void ShowUserText(const std::string& text, bool isError)
{
    const HANDLE given = GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (IsUsable(given)) {
        // A console handle takes wide text; a pipe or file takes UTF-8 bytes,
        // as vellmor-toki writes them.
        if (GetFileType(given) == FILE_TYPE_CHAR && WriteToConsole(given, text)) {
            return;
        }
        if (WriteToFile(given, text)) {
            return;
        }
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        const bool written = console != INVALID_HANDLE_VALUE && WriteToConsole(console, text);
        if (console != INVALID_HANDLE_VALUE) {
            CloseHandle(console);
        }
        FreeConsole();
        if (written) {
            return;
        }
    }
    MessageBoxW(nullptr, Utf8ToWide(text).c_str(), L"Vellmor",
                MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}
