#pragma once

#include "FileSystem.h"

#include <string>

// Where the settings live. The rule is here; the folders, the executable's
// path and the file system's answers come from FileSystem.h.

// The settings file of an executable: in its directory, with its base name
// and the extension ".ini" in place of its own ("/opt/vellmor/vellmor" ->
// "/opt/vellmor/vellmor.ini"). A name whose only dot leads it has no
// extension.
std::string IniPathForExecutable(const std::string& executablePath);

// The per-user settings file of an executable: the settings folder
// (kUserSettingsFolderName) below configHome, and the file name of
// IniPathForExecutable ("/usr/bin/vellmor" -> "<configHome>/vellmor/vellmor.ini",
// "C:\Program Files\Vellmor\vellmor.exe" -> "<configHome>\Vellmor\vellmor.ini").
std::string UserIniPathForExecutable(const std::string& executablePath,
                                     const std::string& configHome);

// Where a program at executablePath keeps its settings, for reading and
// writing alike.
//
// Beside the executable when its folder is the user's own
// (FolderIsUsersOwn): a portable copy keeps its file with it. The folder is
// what matters because a save replaces the file by renaming a new one into
// that folder: a writable file in a folder that is not writable cannot be
// replaced. A folder that others may write (the system's temporary folder)
// does not count, so that nobody else can swap the program's files; nor does a
// system folder such as /usr/bin, even for root.
//
// Otherwise (an installed program in /usr/bin, a read-only medium, a copy in
// /tmp) the per-user file is used. Its folder is created (mode 0700, as for
// any missing part of configHome); when the per-user file does not exist yet
// and one lies beside the executable, that one is copied first, so that its
// settings and hand-made keys carry over. When configHome is empty or the folder cannot be created, the file
// beside the executable is used as before.
std::string ChooseIniPath(const std::string& executablePath, const std::string& configHome);

// Where the running program keeps its settings: ChooseIniPath for this
// executable and this user. An executable renamed or copied under another
// name thus uses a file of its own.
std::string DefaultIniPath();
