#include "FileSystem.h"

#include "AtomicFile.h"
#include "WideText.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

const char* const kPathSeparators = "\\/";
const char kPathSeparator = '\\';
const char* const kUserSettingsFolderName = "Vellmor";

namespace {

DWORD AttributesOf(const std::string& path)
{
    return GetFileAttributesW(Utf8ToWide(path).c_str());
}

bool IsFolder(const std::string& path)
{
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::string RunningExecutablePath()
{
    // The path's length is not known beforehand; grow until it fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return std::string();
        }
        if (n < buffer.size()) {
            return WideToUtf8(std::wstring(buffer.data(), n));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string UserConfigHome()
{
    PWSTR folder = nullptr;
    std::string result;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder) == S_OK) {
        result = WideToUtf8(folder);
    }
    CoTaskMemFree(folder);
    return result;
}

// The folder's permissions (ACLs, a read-only medium, a folder such as
// Program Files that only administrators may change) are answered by trying:
// a new file that can be created there (and goes again when closed) is the
// proof. GetTempFileName is no help: Wine's answers a name even when it could
// not create the file.
bool FolderIsUsersOwn(const std::string& folder)
{
    std::wstring base = Utf8ToWide(folder.empty() ? std::string(".") : folder);
    if (base.back() != L'\\' && base.back() != L'/') {
        base += L'\\';  // a drive's root, "C:\\", ends in one already
    }
    base += L".vellmor-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        const std::wstring probe = base + std::to_wstring(GetTickCount64()) + L"-" +
                                   std::to_wstring(attempt);
        const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                        nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    return false;
}

bool MakeFolders(const std::string& folder)
{
    if (folder.empty() || IsFolder(folder)) {
        return true;
    }
    // A drive ("C:") or a share's root exists or does not; it is never made.
    if (folder.size() <= 3 && folder.find(':') != std::string::npos) {
        return IsFolder(folder + "\\");
    }
    if (!MakeFolders(FolderOf(folder))) {
        return false;
    }
    return CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr) != 0 ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

bool PathExists(const std::string& path)
{
    return AttributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadOnlyFileReason(const std::string& path)
{
    const DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
        return std::string();
    }
    return SystemErrorText(ERROR_FILE_READ_ONLY);
}

bool CanOpenFileForReading(const std::string& path)
{
    // Others may read, write or delete it meanwhile, as any reader allows.
    const HANDLE file = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;  // a folder cannot be opened this way either
    }
    CloseHandle(file);
    return true;
}
