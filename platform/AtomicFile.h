#pragma once

#include <functional>
#include <iosfwd>
#include <string>

// Replaces the file at path with what write puts into the stream, so that a
// crash, a kill or a full disk at any moment leaves either the old file or the
// new one, never a mix. The text goes to a temporary file in the same
// directory, is flushed to disk and then renamed over path. A symbolic link at
// path is followed and its target replaced; the old file's permissions are
// kept. Returns false, with the old file untouched and no temporary file left,
// when write returns false or throws, or when any step of the file system
// fails (a directory that cannot be written, a full disk).
bool ReplaceFileAtomically(const std::string& path,
                           const std::function<bool(std::ostream&)>& write);
