#include "AtomicFile.h"

#include "FileSystem.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>
#include <sstream>

namespace {

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

}  // namespace

bool ReplaceFileAtomically(const std::string& path,
                           const std::function<bool(std::ostream&)>& write)
{
    // The whole text is made first: a writer that fails or throws leaves no
    // file behind at all.
    std::ostringstream text;
    try {
        if (!write(text) || !text) {
            return false;
        }
    } catch (...) {
        return false;
    }

    const std::string folder = FolderOf(path);
    wchar_t tempPath[MAX_PATH + 16];
    if (GetTempFileNameW(Utf8ToWide(folder).c_str(), L"vel", 0, tempPath) == 0) {
        return false;
    }
    FileHandle temp(CreateFileW(tempPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool written = temp.Valid() && WriteAll(temp.Get(), text.str()) &&
                         FlushFileBuffers(temp.Get()) != 0;
    // MOVEFILE_WRITE_THROUGH returns only once the rename is on the disk.
    if (!temp.Close() || !written ||
        !MoveFileExW(tempPath, Utf8ToWide(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(tempPath);
        return false;
    }
    return true;
}
