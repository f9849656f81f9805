#pragma once

#include <string>

// The few file-system services the settings need that standard C++ lacks or
// gets wrong on one of the systems: one implementation per system
// (FileSystemPosix.cpp, FileSystemWin32.cpp). Paths are UTF-8 text.

// Characters that end a folder name in a path: "/" on POSIX systems, "\" and
// "/" on Windows. kPathSeparator is the one this system writes.
extern const char* const kPathSeparators;
extern const char kPathSeparator;

// The folder of a path: what precedes its last separator; the separator
// itself when that is the first character ("/vellmor.ini" -> "/") or ends
// a drive on Windows ("C:\vellmor.ini" -> "C:\"); "." for a bare name.
std::string FolderOf(const std::string& path);

// The name of the per-user folder that holds the settings, below
// UserConfigHome(): "vellmor" as POSIX programs name theirs, "Vellmor" as
// Windows programs name theirs.
extern const char* const kUserSettingsFolderName;

// The full path of the running executable; empty when it cannot be found.
std::string RunningExecutablePath();

// The folder of the user's program settings, empty when none is known.
// POSIX: $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config,
// with the home folder from the password database when HOME is unset or
// empty. Windows: %APPDATA% (the roaming application data folder).
std::string UserConfigHome();

// Whether folder is this user's own, a place where the program may keep its
// files: a new file can be created and renamed in it (a read-only file system
// counts as not writable), and, where folders have owners (POSIX), it belongs
// to this user and nobody else may write it (its group only when that is the
// user's private group, as Debian gives every user). A folder of root's below
// /usr, /bin, /sbin or /opt is the system's, not root's own: installed
// programs live there. Windows answers by trying to create a file.
bool FolderIsUsersOwn(const std::string& folder);

// Creates folder and any missing folder above it (mode 0700 where modes
// exist). True when it exists as a folder afterwards.
bool MakeFolders(const std::string& folder);

bool PathExists(const std::string& path);

// Why the existing file at path is read-only for this user, in the system's
// words ("Permission denied"); empty when it can be written or does not exist.
// POSIX: no write permission for this user (a file made read-only, or left
// owned by root by one run as root). Windows: the read-only attribute.
std::string ReadOnlyFileReason(const std::string& path);

// Whether path names a file (not a folder) that this user can open for
// reading now: it is opened, not merely checked for permissions, so a file on
// a broken mount or behind an access list fails here. Never blocks on a pipe.
bool CanOpenFileForReading(const std::string& path);
