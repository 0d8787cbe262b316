#include "platform/text_profile.h"

#include <optional>
#include <vector>

namespace platform {

namespace {

constexpr size_t MaxValue = 2047;

// Section and key names match without regard to case (ASCII).
bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// One line of the file with the line break that ended it, kept so that an
// edit leaves every other byte as it was.
struct Line {
    std::string Text;
    std::string Break;
};

std::vector<Line> SplitLines(const std::string& data)
{
    std::vector<Line> lines;
    size_t i = 0;
    while (i < data.size()) {
        size_t end = data.find_first_of("\r\n", i);
        if (end == std::string::npos) {
            lines.push_back({data.substr(i), ""});
            break;
        }
        size_t next = data.find_first_not_of("\r\n", end);
        if (next == std::string::npos)
            next = data.size();
        lines.push_back({data.substr(i, end - i), data.substr(end, next - end)});
        i = next;
    }
    return lines;
}

std::string JoinLines(const std::vector<Line>& lines)
{
    std::string data;
    for (const Line& l : lines)
        data += l.Text + l.Break;
    return data;
}

// The section name of a header line, or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    size_t close = line.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// Splits a key line at its first '='; false for comments and lines
// without one.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value)
{
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '[')
        return false;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return true;
}

struct Location {
    std::optional<size_t> Header; // line index of the section header
    size_t End = 0;               // one past the section's last non-blank line
    std::optional<size_t> Key;    // line index of the key
};

Location Find(const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Location at;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::optional<std::string_view> name = SectionName(lines[i].Text);
        if (at.Header) {
            if (name)
                break;
            std::string_view k, v;
            if (!at.Key && KeyValue(lines[i].Text, k, v) && EqualsNoCase(k, key))
                at.Key = i;
            if (!Trim(lines[i].Text).empty())
                at.End = i + 1;
        } else if (name && EqualsNoCase(*name, section)) {
            at.Header = i;
            at.End = i + 1;
        }
    }
    return at;
}

} // namespace

TextProfile::TextProfile(FileStore& files, std::string path) : files_(files), path_(std::move(path)) {}

std::string TextProfile::ReadString(std::string_view section, std::string_view key, std::string_view def)
{
    while (!def.empty() && def.back() == ' ')
        def.remove_suffix(1);
    std::string result(def.substr(0, MaxValue));

    std::string data;
    if (!files_.ReadAll(path_, data))
        return result;
    std::vector<Line> lines = SplitLines(data);
    Location at = Find(lines, Trim(section), Trim(key));
    if (!at.Key)
        return result;

    std::string_view k, value;
    KeyValue(lines[*at.Key].Text, k, value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.front() == value.back())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, MaxValue));
}

bool TextProfile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    while (!value.empty() && IsBlank(value.front()))
        value.remove_prefix(1);

    std::string data;
    files_.ReadAll(path_, data);
    std::vector<Line> lines = SplitLines(data);
    Location at = Find(lines, section, key);

    if (at.Key) {
        std::string_view oldKey, oldValue;
        KeyValue(lines[*at.Key].Text, oldKey, oldValue);
        std::string text = std::string(oldKey) + "=" + std::string(value);
        if (text == lines[*at.Key].Text)
            return true;
        lines[*at.Key].Text = text;
    } else if (at.Header) {
        Line line{std::string(key) + "=" + std::string(value), "\r\n"};
        // The line before the new one must end, whatever ended it before.
        if (lines[at.End - 1].Break.empty())
            lines[at.End - 1].Break = "\r\n";
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at.End), line);
    } else {
        if (!lines.empty() && lines.back().Break.empty())
            lines.back().Break = "\r\n";
        lines.push_back({"[" + std::string(section) + "]", "\r\n"});
        lines.push_back({std::string(key) + "=" + std::string(value), "\r\n"});
    }
    return files_.WriteAll(path_, JoinLines(lines));
}

} // namespace platform
