#include "AtomicFile.h"

#include "FileSystem.h"
#include "NewFileText.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>

namespace {

// Temporary files are "." + the target's name + "." + six letters or digits.
constexpr std::size_t kTempRandomChars = 6;
constexpr const char* kTempAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// How long a replace is tried again while another program (an antivirus
// scanner, the search indexer, a backup tool) has the file open for a moment.
constexpr DWORD kReplaceRetryMs = 1500;
constexpr DWORD kReplaceRetryStepMs = 50;
// The attributes of the old file that the new one takes over.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Owns a file handle.
class FileHandle {
public:
    explicit FileHandle(HANDLE opened) : handle(opened) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }
    bool Close()
    {
        const bool ok = !Valid() || CloseHandle(handle) != 0;
        handle = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE handle;
};

// Saves of every copy take turns through this mutex; one that holds it
// knows that no other is saving. Abandoned by a killed save, it passes to
// the next one.
class SaveTurn {
public:
    SaveTurn() : mutex(CreateMutexW(nullptr, FALSE, L"VellmorSettingsSave"))
    {
        if (mutex != nullptr) {
            const DWORD waited = WaitForSingleObject(mutex, 2000);
            held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        }
    }
    ~SaveTurn()
    {
        if (held) {
            ReleaseMutex(mutex);
        }
        if (mutex != nullptr) {
            CloseHandle(mutex);
        }
    }
    SaveTurn(const SaveTurn&) = delete;
    SaveTurn& operator=(const SaveTurn&) = delete;

    bool Held() const { return held; }

private:
    HANDLE mutex;
    bool held = false;
};

bool WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

std::string BaseNameOf(const std::string& path)
{
    const auto slash = path.find_last_of(kPathSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string InFolder(const std::string& folder, const std::string& name)
{
    const bool hasSeparator = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return hasSeparator ? folder + name : folder + "\\" + name;
}

bool IsTempNameOf(const std::string& name, const std::string& base)
{
    const std::string prefix = "." + base + ".";
    if (name.size() != prefix.size() + kTempRandomChars ||
        name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    return name.find_first_not_of(kTempAlphabet, prefix.size()) == std::string::npos;
}

// Removes the temporary files that killed saves of base left in folder. One
// that a save still has open cannot be deleted: Windows refuses while its
// handle, which shares nothing, is open.
void RemoveStaleTemps(const std::string& folder, const std::string& base)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        FindFirstFileW(Utf8ToWide(InFolder(folder, "." + base + ".*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = WideToUtf8(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsTempNameOf(name, base)) {
            DeleteFileW(Utf8ToWide(InFolder(folder, name)).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// Makes a new temporary file for base in folder, open for writing and shared
// with nobody; sets tempPath to its name.
HANDLE CreateTempFile(const std::string& folder, const std::string& base, std::wstring& tempPath)
{
    // Names need only differ, not be secret: CREATE_NEW refuses one taken.
    ULONGLONG seed = GetTickCount64() * 6364136223846793005ULL + GetCurrentProcessId();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + base + ".";
        for (std::size_t i = 0; i < kTempRandomChars; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            name += kTempAlphabet[(seed >> 33) % 62];
        }
        tempPath = Utf8ToWide(InFolder(folder, name));
        const HANDLE file = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool IsPassingHold(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

// Renames from over to, tried again for a while when another program holds
// to open.
bool ReplaceWithRetries(const std::wstring& from, const std::wstring& to)
{
    const ULONGLONG deadline = GetTickCount64() + kReplaceRetryMs;
    for (;;) {
        // MOVEFILE_WRITE_THROUGH returns only once the rename is on the disk.
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        if (!IsPassingHold(error) || GetTickCount64() >= deadline) {
            SetLastError(error);
            return false;
        }
        Sleep(kReplaceRetryStepMs);
    }
}

WriteOutcome LastError()
{
    return WriteOutcome::Failure(SystemErrorText(static_cast<int>(GetLastError())));
}

}  // namespace

std::string SystemErrorText(int code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide = length > 0 && text != nullptr ? std::wstring(text, length)
                                                      : L"error " + std::to_wstring(code);
    LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' ')) {
        wide.pop_back();
    }
    return WideToUtf8(wide);
}

WriteOutcome ReplaceFileAtomically(const std::string& path,
                                   const std::function<bool(std::ostream&)>& write)
{
    const std::optional<std::string> text = MakeNewFileText(write);
    if (!text) {
        return WriteOutcome::Failure("the new contents could not be made");
    }

    const std::string folder = FolderOf(path);
    const std::string base = BaseNameOf(path);
    const std::wstring target = Utf8ToWide(path);
    const SaveTurn turn;
    if (turn.Held()) {
        RemoveStaleTemps(folder, base);
    }

    std::wstring tempPath;
    FileHandle temp(CreateTempFile(folder, base, tempPath));
    if (!temp.Valid()) {
        return LastError();
    }
    if (!WriteAll(temp.Get(), *text) || !FlushFileBuffers(temp.Get()) || !temp.Close()) {
        const WriteOutcome failed = LastError();
        temp.Close();
        DeleteFileW(tempPath.c_str());
        return failed;
    }
    // A hidden (or system) file stays so: the new file takes the old one's
    // attributes before it takes its place.
    const DWORD old = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & kKeptAttributes) != 0) {
        SetFileAttributesW(tempPath.c_str(), old & kKeptAttributes);
    }
    if (!ReplaceWithRetries(tempPath, target)) {
        const WriteOutcome failed = LastError();
        SetFileAttributesW(tempPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(tempPath.c_str());
        return failed;
    }
    return WriteOutcome::Success();
}
