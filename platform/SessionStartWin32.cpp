// The start with the session on Windows: a value named Vellmor under the
// user's Run key, "\"PATH\" --hidden".
#include "SessionStart.h"

#include "FileSystem.h"
#include "WideText.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kValueName = L"Vellmor";

WriteOutcome Failed(LONG status)
{
    return WriteOutcome::Failure(SystemErrorText(static_cast<int>(status)));
}

}  // namespace

std::string SessionStartPlace()
{
    return "HKEY_CURRENT_USER\\" + WideToUtf8(kRunKey) + " (" + WideToUtf8(kValueName) + ")";
}

bool SessionStartsProgram()
{
    return RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName, RRF_RT_REG_SZ, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

WriteOutcome SetSessionStartsProgram(bool on)
{
    if (!on) {
        HKEY key = nullptr;
        LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key);
        if (status == ERROR_FILE_NOT_FOUND) {
            return WriteOutcome::Success();  // no Run key: nothing starts
        }
        if (status != ERROR_SUCCESS) {
            return Failed(status);
        }
        status = RegDeleteValueW(key, kValueName);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            return Failed(status);
        }
        return WriteOutcome::Success();
    }
    const std::string program = RunningExecutablePath();
    if (program.empty()) {
        return WriteOutcome::Failure("the program's own path cannot be found");
    }
    // Quoted: a path with blanks (C:\Program Files\...) is one word.
    const std::wstring command = L"\"" + Utf8ToWide(program) + L"\" --hidden";
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return Failed(status);
    }
    const DWORD bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    status = RegSetValueExW(key, kValueName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(command.c_str()), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? WriteOutcome::Success() : Failed(status);
}
