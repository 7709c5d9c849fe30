#include "core/app/ini_file.h"

#include "core/model/atomic_write.h"
#include "core/model/windows1252.h"

namespace notavi {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (toUpper1252(a[i]) != toUpper1252(b[i]))
            return false;
    return true;
}

std::optional<std::string_view> sectionNameOf(std::string_view line)
{
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

std::optional<std::string_view> keyNameOf(std::string_view line)
{
    if (sectionNameOf(line))
        return std::nullopt;
    const auto trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return trim(trimmed.substr(0, equals));
}

bool isQuoted(std::string_view value)
{
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::string_view valueOf(std::string_view line)
{
    auto value = trim(line.substr(line.find('=') + 1));
    if (isQuoted(value))
        value = value.substr(1, value.size() - 2);
    return value;
}

// The text to put after "=" so that valueOf gives back exactly `value`.
std::string encodeValue(std::string_view value)
{
    std::string text(value);
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    const bool needsQuotes =
        !text.empty() && (isBlank(text.front()) || isBlank(text.back()) || isQuoted(text));
    return needsQuotes ? '"' + text + '"' : text;
}

bool isBlankLine(std::string_view line)
{
    return trim(line).empty();
}

} // namespace

IniFile IniFile::parse(std::string_view bytes)
{
    IniFile file;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        const std::size_t endLength = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
        file.lines_.push_back(
            {std::string(bytes.substr(start, i - start)), std::string(bytes.substr(i, endLength))});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        file.lines_.push_back({std::string(bytes.substr(start)), {}});
    return file;
}

std::string IniFile::bytes() const
{
    std::string out;
    for (const auto& line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}

std::optional<IniFile::SectionRange> IniFile::findSection(std::string_view section) const
{
    const auto wanted = trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionNameOf(lines_[i].text);
        if (!name || !sameName(*name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionNameOf(lines_[end].text))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(const SectionRange& range, std::string_view key) const
{
    const auto wanted = trim(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto name = keyNameOf(lines_[i].text);
        if (name && sameName(*name, wanted))
            return i;
    }
    return std::nullopt;
}

bool IniFile::hasSection(std::string_view section) const
{
    return findSection(section).has_value();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto at = findKey(*range, key);
    if (!at)
        return std::nullopt;
    return std::string(valueOf(lines_[*at].text));
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string encoded = encodeValue(value);
    const auto range = findSection(section);
    if (!range) {
        appendSection(section, std::string(key) + '=' + encoded);
        return;
    }
    if (const auto at = findKey(*range, key)) {
        // A line that already says so stays as it is; otherwise the key keeps its spelling and the
        // blanks around "=", and only the value changes.
        std::string& text = lines_[*at].text;
        if (valueOf(text) == value)
            return;
        std::size_t keep = text.find('=') + 1;
        while (keep < text.size() && isBlank(text[keep]))
            ++keep;
        text = text.substr(0, keep) + encoded;
        return;
    }
    // Blank lines that end a section usually separate it from the next one; the new key goes before.
    std::size_t at = range->end;
    while (at > range->header + 1 && isBlankLine(lines_[at - 1].text))
        --at;
    insertLine(at, std::string(key) + '=' + encoded);
}

void IniFile::insertLine(std::size_t index, std::string text)
{
    if (index > 0 && lines_[index - 1].end.empty())
        lines_[index - 1].end = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), "\r\n"});
}

void IniFile::appendSection(std::string_view section, std::string keyLine)
{
    if (!lines_.empty() && !isBlankLine(lines_.back().text))
        insertLine(lines_.size(), {});
    insertLine(lines_.size(), '[' + std::string(section) + ']');
    insertLine(lines_.size(), std::move(keyLine));
}

IniFileLoad loadIniFile(const FileSystem& files, const Path& path)
{
    const std::int64_t size = files.size(path);
    if (size == -1)
        return {IniFileStatus::NotFound, {}};
    // A folder or a file that cannot be examined is no settings file, nor one far too large for it.
    if (size < 0)
        return {IniFileStatus::Failed, {}};
    if (size > kIniFileSizeLimit)
        return {IniFileStatus::TooLarge, {}};
    std::optional<std::string> bytes = files.readAll(path);
    if (!bytes)
        return {IniFileStatus::Failed, {}};
    return {IniFileStatus::Ok, IniFile::parse(*bytes)};
}

bool saveIniFile(FileSystem& files, const Path& path, const IniFile& file)
{
    return atomicWrite(files, path, file.bytes());
}

} // namespace notavi
