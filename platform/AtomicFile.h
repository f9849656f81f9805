#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <utility>

// The outcome of writing a file: success, or the system's reason for the
// failure in its own words ("Permission denied", "No space left on device"),
// for a message that names the file and the reason.
struct WriteOutcome {
    bool ok = false;
    std::string reason;  // empty on success

    explicit operator bool() const { return ok; }
    static WriteOutcome Success() { return {true, std::string()}; }
    static WriteOutcome Failure(std::string why) { return {false, std::move(why)}; }
};

// The system's words for an error code: errno on POSIX systems, GetLastError()
// on Windows.
std::string SystemErrorText(int code);

// Replaces the file at path with what write puts into the stream, so that a
// crash, a kill or a full disk at any moment leaves either the old file or the
// new one, never a mix. The text goes to a temporary file in the same folder,
// written through the handle that made it (never opened again by name), is
// flushed to disk and then renamed over path. A symbolic link at path is
// followed and its target replaced; the old file's permissions (POSIX) or
// attributes (Windows: hidden, system, ...) are kept.
//
// A temporary file that a killed save left behind in that folder is removed
// by the next save, when no other process is saving there at that moment;
// only files of the names this function gives its temporary files are
// touched.
//
// Fails, with the old file untouched and no temporary file left, when write
// returns false or throws, or when any step of the file system fails (a
// folder that cannot be written, a full disk).
WriteOutcome ReplaceFileAtomically(const std::string& path,
                                   const std::function<bool(std::ostream&)>& write);
