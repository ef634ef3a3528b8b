#include "platform/ini_file.h"

#include "platform/file_system.h"

#include <optional>
#include <utility>
#include <vector>

namespace ledgerleaf {

namespace {

// One line of the file: its bytes as stored and, when it could be decoded, what it means.
struct IniLine {
    enum class Kind { Other, Section, Entry };
    std::string bytes;   // without the line ending
    std::string ending;  // "\r\n", "\n" or nothing for a last line without one
    Kind kind = Kind::Other;
    std::string name;   // section or key name, UTF-8
    std::string value;  // entry value, UTF-8
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

void interpret(IniLine& line, const CodePage& codePage) {
    // A line the code page cannot decode is kept as it is and never matches a name.
    const std::optional<std::string> text = codePage.toUtf8(line.bytes);
    if (!text)
        return;
    const std::string_view content = trim(*text);
    if (content.empty() || content.front() == ';')
        return;
    if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close == std::string_view::npos)
            return;
        line.kind = IniLine::Kind::Section;
        line.name = std::string(trim(content.substr(1, close - 1)));
        return;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return;
    line.kind = IniLine::Kind::Entry;
    line.name = std::string(trim(content.substr(0, equals)));
    line.value = std::string(trim(content.substr(equals + 1)));
}

std::vector<IniLine> splitLines(const std::string& bytes, const CodePage& codePage) {
    std::vector<IniLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        IniLine line;
        const std::size_t newline = bytes.find('\n', start);
        std::size_t end = newline == std::string::npos ? bytes.size() : newline;
        if (newline != std::string::npos) {
            line.ending = "\n";
            if (end > start && bytes[end - 1] == '\r') {
                --end;
                line.ending = "\r\n";
            }
        }
        line.bytes = bytes.substr(start, end - start);
        interpret(line, codePage);
        lines.push_back(std::move(line));
        start = newline == std::string::npos ? bytes.size() : newline + 1;
    }
    return lines;
}

// The line ending the file already uses; new files get the system's usual one.
std::string lineEnding(const std::vector<IniLine>& lines) {
    for (const auto& line : lines) {
        if (!line.ending.empty())
            return line.ending;
    }
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

bool hasLineBreak(std::string_view text) {
    return text.find('\n') != std::string_view::npos || text.find('\r') != std::string_view::npos;
}

}  // namespace

IniFile::IniFile(std::filesystem::path path, CodePage codePage)
    : path_(std::move(path)), codePage_(std::move(codePage)) {}

bool IniFile::exists() const {
    return pathExists(path_);
}

std::string IniFile::read(std::string_view section, std::string_view key) const {
    const std::optional<std::string> bytes = readWholeFile(path_);
    if (!bytes)
        return {};
    bool inSection = false;
    for (const IniLine& line : splitLines(*bytes, codePage_)) {
        if (line.kind == IniLine::Kind::Section) {
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == IniLine::Kind::Entry && sameName(line.name, key)) {
            return line.value;
        }
    }
    return {};
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view sectionName = trim(section);
    const std::string_view keyName = trim(key);
    if (sectionName.empty() || keyName.empty() || hasLineBreak(section) || hasLineBreak(key) ||
        hasLineBreak(value) || sectionName.find(']') != std::string_view::npos ||
        keyName.find('=') != std::string_view::npos || keyName.front() == '[' ||
        keyName.front() == ';') {
        return false;
    }
    const std::optional<std::string> entryBytes =
        codePage_.fromUtf8(std::string(keyName) + "=" + std::string(trim(value)));
    const std::optional<std::string> sectionBytes =
        codePage_.fromUtf8("[" + std::string(sectionName) + "]");
    if (!entryBytes || !sectionBytes)
        return false;

    std::string old;
    if (pathExists(path_)) {
        std::optional<std::string> bytes = readWholeFile(path_);
        if (!bytes)
            return false;  // never replace a file that could not be read
        old = std::move(*bytes);
    }
    std::vector<IniLine> lines = splitLines(old, codePage_);
    const std::string ending = lineEnding(lines);

    // Find the section, the key in it, and the section's last entry (a new key goes after it).
    std::optional<std::size_t> sectionAt;
    std::optional<std::size_t> keyAt;
    std::size_t lastOfSection = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const IniLine& line = lines[i];
        if (line.kind == IniLine::Kind::Section) {
            if (sectionAt)
                break;
            if (sameName(line.name, sectionName)) {
                sectionAt = i;
                lastOfSection = i;
            }
        } else if (sectionAt) {
            if (line.kind == IniLine::Kind::Entry && sameName(line.name, keyName)) {
                keyAt = i;
                break;
            }
            if (line.kind == IniLine::Kind::Entry)
                lastOfSection = i;
        }
    }

    if (keyAt) {
        if (lines[*keyAt].bytes == *entryBytes)
            return true;  // already there, byte for byte
        lines[*keyAt].bytes = *entryBytes;
    } else {
        IniLine entry;
        entry.bytes = *entryBytes;
        entry.ending = ending;
        if (sectionAt) {
            IniLine& before = lines[lastOfSection];
            if (before.ending.empty())
                before.ending = ending;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastOfSection + 1),
                         std::move(entry));
        } else {
            if (!lines.empty() && lines.back().ending.empty())
                lines.back().ending = ending;
            if (!lines.empty() && !trim(lines.back().bytes).empty()) {
                IniLine blank;  // a blank line between sections
                blank.ending = ending;
                lines.push_back(std::move(blank));
            }
            IniLine header;
            header.bytes = *sectionBytes;
            header.ending = ending;
            lines.push_back(std::move(header));
            lines.push_back(std::move(entry));
        }
    }

    std::string bytes;
    bytes.reserve(old.size() + entryBytes->size() + sectionBytes->size() + 8);
    for (const IniLine& line : lines) {
        bytes += line.bytes;
        bytes += line.ending;
    }
    return writeWholeFile(path_, bytes);
}

}  // namespace ledgerleaf
