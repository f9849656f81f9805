#include "IniFile.h"

#include "AtomicFile.h"
#include "Blank.h"
#include "FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <string_view>

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

// One line of the text: its content and the ending that followed it ("\n",
// "\r\n", or nothing for a last line without one).
struct Line {
    std::string content;
    std::string ending;
};

// Only "\n" ends a line; a last line may end in a lone "\r" or nothing.
bool EndsLine(const std::string& ending)
{
    return !ending.empty() && ending.back() == '\n';
}

bool ReadLine(std::istream& in, Line& line)
{
    if (!std::getline(in, line.content)) {
        return false;
    }
    line.ending = in.eof() ? "" : "\n";
    if (!line.content.empty() && line.content.back() == '\r') {
        line.content.pop_back();
        line.ending = "\r" + line.ending;
    }
    return true;
}

// What a line is to the INI syntax. The views point into the line's content.
struct ParsedLine {
    enum Kind { Other, Header, Key } kind = Other;
    std::string_view name;         // section (Header) or key (Key)
    std::string_view value;        // Key: the value without surrounding blanks
    std::size_t valueStart = 0;    // Key: offset of the value in the content
};

ParsedLine Parse(std::string_view content)
{
    ParsedLine parsed;
    const std::string_view text = Trim(content);
    if (text.empty() || text.front() == ';' || text.front() == '#') {
        return parsed;
    }
    if (text.front() == '[') {
        const auto close = text.rfind(']');
        if (close != std::string_view::npos) {
            parsed.kind = ParsedLine::Header;
            parsed.name = Trim(text.substr(1, close - 1));
        }
        return parsed;
    }
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) {
        return parsed;
    }
    const std::string_view key = Trim(content.substr(0, equals));
    if (key.empty()) {
        return parsed;
    }
    std::size_t start = equals + 1;
    while (start < content.size() && IsBlank(content[start])) {
        ++start;
    }
    parsed.kind = ParsedLine::Key;
    parsed.name = key;
    parsed.valueStart = start;
    parsed.value = Trim(content.substr(start));
    return parsed;
}

// Index of the first name in names that matches, or -1.
template <typename Names>
int FindName(const Names& names, std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameName(names[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string WithoutLineBreaks(std::string value)
{
    for (char& c : value) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return value;
}

// Streams the rewritten text; keeps only the lines of the current section
// that follow its last key line, where missing keys will be inserted.
class IniRewriter {
public:
    IniRewriter(std::ostream& output, const std::vector<IniEntry>& wanted,
                const std::vector<std::string>& dropped)
        : out(output), entries(wanted), drop(dropped), written(wanted.size(), false)
    {
        for (const IniEntry& e : entries) {
            if (FindName(sections, e.section) < 0) {
                sections.push_back(e.section);
            }
        }
        sectionSeen.assign(sections.size(), false);
    }

    void Take(const Line& line)
    {
        if (newline.empty() && EndsLine(line.ending)) {
            newline = line.ending;
        }
        const ParsedLine parsed = Parse(line.content);
        if (parsed.kind == ParsedLine::Header) {
            EndSection();
            dropping = FindName(drop, parsed.name) >= 0;
            if (dropping) {
                return;
            }
            const int s = FindName(sections, parsed.name);
            if (s >= 0 && !sectionSeen[static_cast<std::size_t>(s)]) {
                current = s;
                sectionSeen[static_cast<std::size_t>(s)] = true;
            }
            Emit(line.content, line.ending);
            return;
        }
        if (dropping) {
            return;
        }
        if (current < 0) {
            Emit(line.content, line.ending);
            return;
        }
        if (parsed.kind != ParsedLine::Key) {
            afterLastKey.push_back(line);
            return;
        }
        EmitAfterLastKey();
        const int e = FindEntry(parsed.name);
        if (e < 0) {
            Emit(line.content, line.ending);
            return;
        }
        written[static_cast<std::size_t>(e)] = true;
        Emit(line.content.substr(0, parsed.valueStart) +
                 WithoutLineBreaks(entries[static_cast<std::size_t>(e)].value),
             line.ending);
    }

    void Finish()
    {
        EndSection();
        for (std::size_t s = 0; s < sections.size(); ++s) {
            if (sectionSeen[s]) {
                continue;
            }
            Emit("[" + sections[s] + "]", Newline());
            current = static_cast<int>(s);
            EmitMissingKeys();
        }
        current = -1;
    }

private:
    const std::string& Newline() const
    {
        static const std::string kDefault = "\n";
        return newline.empty() ? kDefault : newline;
    }

    void Emit(const std::string& content, const std::string& ending)
    {
        if (lastLineOpen) {
            out << Newline();
        }
        out << content << ending;
        lastLineOpen = !EndsLine(ending);
    }

    // The unwritten entry of the current section with this key, or -1.
    int FindEntry(std::string_view key) const
    {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!written[i] && SameName(entries[i].section, sections[static_cast<std::size_t>(current)]) &&
                SameName(entries[i].key, key)) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    void EmitMissingKeys()
    {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!written[i] &&
                SameName(entries[i].section, sections[static_cast<std::size_t>(current)])) {
                written[i] = true;
                Emit(entries[i].key + "=" + WithoutLineBreaks(entries[i].value), Newline());
            }
        }
    }

    void EmitAfterLastKey()
    {
        for (const Line& l : afterLastKey) {
            Emit(l.content, l.ending);
        }
        afterLastKey.clear();
    }

    void EndSection()
    {
        if (current >= 0) {
            EmitMissingKeys();
            EmitAfterLastKey();
        }
        current = -1;
    }

    std::ostream& out;
    const std::vector<IniEntry>& entries;
    const std::vector<std::string>& drop;  // sections left out whole
    bool dropping = false;                 // inside one of them
    std::vector<bool> written;
    std::vector<std::string> sections;  // in the order of their first entry
    std::vector<bool> sectionSeen;
    int current = -1;                   // section being copied, if one of ours
    std::vector<Line> afterLastKey;
    std::string newline;                // the text's own line ending
    bool lastLineOpen = false;          // the last line emitted has no "\n" yet
};

// Keys with an empty name stand for their section's presence.
void MarkSectionPresent(const std::vector<IniKey>& keys, const std::string& section,
                        std::vector<std::optional<std::string>>& values)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].key.empty() && SameName(keys[i].section, section)) {
            values[i] = std::string();
        }
    }
}

}  // namespace

std::vector<std::optional<std::string>> ReadIniValues(std::istream& in,
                                                      const std::vector<IniKey>& keys)
{
    std::vector<std::optional<std::string>> values(keys.size());
    std::vector<std::string> sections;
    for (const IniKey& k : keys) {
        if (FindName(sections, k.section) < 0) {
            sections.push_back(k.section);
        }
    }
    std::vector<bool> sectionSeen(sections.size(), false);
    int current = -1;
    Line line;
    while (ReadLine(in, line)) {
        const ParsedLine parsed = Parse(line.content);
        if (parsed.kind == ParsedLine::Header) {
            current = FindName(sections, parsed.name);
            if (current >= 0) {
                if (sectionSeen[static_cast<std::size_t>(current)]) {
                    current = -1;
                } else {
                    sectionSeen[static_cast<std::size_t>(current)] = true;
                    MarkSectionPresent(keys, sections[static_cast<std::size_t>(current)], values);
                }
            }
        } else if (parsed.kind == ParsedLine::Key && current >= 0) {
            const std::string& section = sections[static_cast<std::size_t>(current)];
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (!values[i] && SameName(keys[i].section, section) &&
                    SameName(keys[i].key, parsed.name)) {
                    values[i] = std::string(parsed.value);
                    break;
                }
            }
        }
    }
    return values;
}

std::vector<std::optional<std::string>> ReadIniFile(const std::string& path,
                                                    const std::vector<IniKey>& keys)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    return ReadIniValues(in, keys);
}

bool RewriteIni(std::istream& in, std::ostream& out, const std::vector<IniEntry>& entries,
                const std::vector<std::string>& dropSections)
{
    IniRewriter rewriter(out, entries, dropSections);
    Line line;
    while (ReadLine(in, line)) {
        rewriter.Take(line);
    }
    rewriter.Finish();
    out.flush();
    return !in.bad() && !out.fail();
}

WriteOutcome WriteIniFile(const std::string& path, const std::vector<IniEntry>& entries,
                          const std::vector<std::string>& dropSections)
{
    // The old text is read whole and the file closed before the new one
    // replaces it: Windows does not rename over a file that is open.
    std::ostringstream oldText;
    {
        errno = 0;
        std::ifstream old(std::filesystem::u8path(path), std::ios::binary);
        if (!old && PathExists(path)) {
            // It exists but cannot be read: rewriting would lose it.
            return WriteOutcome::Failure(errno != 0 ? SystemErrorText(errno)
                                                    : "the file cannot be read");
        }
        if ((old && old.peek() != std::ifstream::traits_type::eof() &&
             !(oldText << old.rdbuf())) ||
            old.bad()) {
            return WriteOutcome::Failure("the file cannot be read");
        }
    }
    std::istringstream in(oldText.str());
    return ReplaceFileAtomically(
        path, [&](std::ostream& out) { return RewriteIni(in, out, entries, dropSections); });
}
