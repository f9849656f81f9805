#pragma once

#include "AtomicFile.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Our own reader and writer of INI text: "[Section]" headers and "Key=Value"
// lines. Values are raw bytes (the settings file is CP932); the reader and the
// writer never interpret them.
//
// Reading rules, shared by both directions:
// - A line is cut at "\n"; a "\r" before it belongs to the line ending.
// - Section and key names are matched without regard to ASCII case, with
//   blanks and tabs around them ignored. A header is a line whose first
//   non-blank byte is "[" and that has a "]"; its name lies between the "["
//   and the last "]".
// - A key line is any other line, not starting with ";" or "#", that holds
//   "="; the key is what precedes the first "=", the value what follows it,
//   blanks and tabs around both ignored.
// - Only the first section of a name counts, and within it the first line of
//   a key; later duplicates are left alone. Keys before any header belong to
//   no section.
// - Any bytes are accepted (NUL, invalid CP932, binary); memory use is bounded
//   by the longest line and the text kept for the current section.

struct IniKey {
    std::string section;
    std::string key;
};

struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// Result i holds the value of keys[i], or nothing when its section or key is
// missing. A key with an empty name asks whether its section is there: it
// holds an empty value when it is.
std::vector<std::optional<std::string>> ReadIniValues(std::istream& in,
                                                      const std::vector<IniKey>& keys);

// As above from a file; a file that cannot be opened has no keys.
std::vector<std::optional<std::string>> ReadIniFile(const std::string& path,
                                                    const std::vector<IniKey>& keys);

// Copies the INI text from in to out with each entry's value set. A key that
// exists has its value replaced in place (the text before the value and the
// line ending are kept); every other line is copied as it was. A missing key
// is added after the last key line of its section, in the order of entries;
// a missing section is added at the end, in the order its first entry comes.
// New lines use the line ending of the text's first line ("\n" for an empty
// text). Line breaks inside a value are written as blanks so that a value
// cannot break the file. Every section named in dropSections is left out
// whole, header and all lines up to the next header, each time it occurs.
// Returns false when reading or writing failed.
bool RewriteIni(std::istream& in, std::ostream& out, const std::vector<IniEntry>& entries,
                const std::vector<std::string>& dropSections = {});

// Sets the entries in the file at path, creating it when missing. The file is
// replaced atomically: the new text is written to a temporary file beside it,
// flushed to disk and renamed over the old one, so that a failure at any
// point leaves the old file whole. Fails, with the system's reason and the
// old file as it was, when the file exists but cannot be read or the new one
// cannot be written. Sections in dropSections are left out as RewriteIni does.
WriteOutcome WriteIniFile(const std::string& path, const std::vector<IniEntry>& entries,
                          const std::vector<std::string>& dropSections = {});
