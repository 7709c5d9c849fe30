#include "core/model/info_area.h"

#include "core/model/block_catalogue.h"
#include "core/model/info_texts.h"
#include "core/model/windows1252.h"

#include <algorithm>
#include <array>

namespace notavi {
namespace {

// What the check of one info line decides: keep the line, replace it, or insert the fixed line
// before it (so that the line moves down and meets the next check).
enum class Action
{
    Keep,
    Replace,
    Insert,
};

struct Decision
{
    Action action = Action::Keep;
    std::string_view fixedLine;
};

Decision checkStar(std::string_view line)
{
    return {trimRight(line) == kStarLine ? Action::Keep : Action::Insert, kStarLine};
}

Decision checkVersion(std::string_view line)
{
    if (line.starts_with(kOlderSpacedVersionPrefix))
        return {Action::Replace, kVersionLine};
    if (!line.starts_with(kVersionPrefix))
        return {Action::Insert, kVersionLine};
    return {line == kVersionLine ? Action::Keep : Action::Replace, kVersionLine};
}

Decision checkNotice(std::string_view line)
{
    if (!line.starts_with(kNoticePrefix) && !line.starts_with(kOlderSpacedNoticePrefix))
        return {Action::Insert, kNoticeLine};
    return {line == kNoticeLine ? Action::Keep : Action::Replace, kNoticeLine};
}

Decision checkMaker(std::string_view line)
{
    if (line.starts_with(kOlderSpacedMakerLine))
        return {Action::Replace, kMakerLine};
    return {line == kMakerLine ? Action::Keep : Action::Insert, kMakerLine};
}

Decision checkContact(std::string_view line)
{
    return {line == kContactLine ? Action::Keep : Action::Insert, kContactLine};
}

using Check = Decision (*)(std::string_view);
constexpr std::array<Check, kInfoLineCount> kChecks = {
    checkStar, checkVersion, checkStar, checkNotice, checkStar, checkMaker,
    checkStar, checkContact, checkStar, checkStar,   checkStar,
};

// Lines of an older info area that the insertions pushed below line 11.
bool isOlderInfoLine(std::string_view line)
{
    static constexpr std::array<std::string_view, 9> kPrefixes = {
        kOlderSpacedVersionPrefix, kVersionPrefix,          kNoticePrefix,  kOlderSpacedNoticePrefix,
        kOlderMakerPrefix,         kOlderSpacedMakerPrefix, kContactPrefix, kOlderSpacedAddressLine1,
        kOlderSpacedAddressLine2,
    };
    for (const auto prefix : kPrefixes)
        if (line.starts_with(prefix))
            return true;
    return false;
}

bool isBlank(std::string_view line)
{
    return trimBlanks(line).empty();
}

// The first line of a block that older versions wrote for feasts they now compute themselves.
bool opensOlderBlock(std::string_view line)
{
    // Asked of every line of the file: upper-cased in place, nothing allocated.
    if (line.size() < 6)
        return false;
    char upper[6];
    std::transform(line.begin(), line.begin() + 6, upper, [](char c) { return toUpper1252(c); });
    const std::string_view head(upper, 6);
    return head == "UEBERS" || head == "OSTERN" || head == "ADVENT" || head == "FEIERT";
}

// The leading comment lines of such a block.
bool leadsOlderBlock(std::string_view line)
{
    return (isBlank(line) || line.front() == '*') && !line.starts_with(kContactLine);
}

// The body of such a block: its "J" and "N" lines and its end line. A header line never belongs to
// it, although "Jährliche Termine" and "Namenstage" begin with the same letters.
bool inOlderBlock(std::string_view line)
{
    if (isBlank(line))
        return true;
    const char first = toUpper1252(line.front());
    return (first == '@' || first == 'J' || first == 'N') && !BlockCatalogue::isHeaderLine(line);
}

// Lines 1 to 11: every line of the list is looked at by at most one check.
std::size_t repairInfoLines(Lines& lines, Lines& out, bool& corrected, bool& areaRepaired)
{
    if (lines.size() < kInfoLineCount) {
        out = standardInfoArea();
        corrected = areaRepaired = true;
        return 0;
    }
    std::size_t next = 0;
    for (const Check check : kChecks) {
        const Decision decision = check(lines[next]);
        switch (decision.action) {
        case Action::Keep:
            out.push_back(std::move(lines[next++]));
            break;
        case Action::Replace:
            out.emplace_back(decision.fixedLine);
            ++next;
            corrected = true;
            break;
        case Action::Insert:
            out.emplace_back(decision.fixedLine);
            corrected = areaRepaired = true;
            break;
        }
    }
    return next;
}

// Everything after line 11, in one pass, moved up in place to `written`: the lines are kept
// where they are rather than in a second list. Deletions never reach into the info area.
void removeOutdatedLines(Lines& lines, std::size_t next, std::size_t written, bool& corrected,
                         bool areaRepaired)
{
    const std::size_t count = lines.size();
    for (std::size_t i = next; i < count;) {
        std::string& line = lines[i];
        if (isBlank(line) || (areaRepaired && isOlderInfoLine(line))) {
            corrected = true;
            ++i;
            continue;
        }
        if (!opensOlderBlock(line)) {
            if (written != i)
                lines[written] = std::move(line);
            ++written;
            ++i;
            continue;
        }
        corrected = true;
        ++i;
        while (written > kInfoLineCount && leadsOlderBlock(lines[written - 1]))
            --written;
        while (i < count && inOlderBlock(lines[i])) {
            const bool endLine = lines[i].starts_with('@');
            ++i;
            if (endLine)
                break;
        }
    }
    lines.resize(written);
}

// Stray "*" lines directly below the info area.
void removeStarsAtLine12(Lines& out, bool& corrected)
{
    auto end = out.begin() + kInfoLineCount;
    while (end != out.end() && trimRight(*end) == kStarLine)
        ++end;
    if (end == out.begin() + kInfoLineCount)
        return;
    out.erase(out.begin() + kInfoLineCount, end);
    corrected = true;
}

} // namespace

Lines standardInfoArea()
{
    Lines area(kInfoLineCount, std::string(kStarLine));
    area[1] = kVersionLine;
    area[3] = kNoticeLine;
    area[5] = kMakerLine;
    area[7] = kContactLine;
    return area;
}

bool repairInfoArea(Lines& lines)
{
    Lines head;
    head.reserve(kInfoLineCount);
    bool corrected = false;
    bool areaRepaired = false;
    const std::size_t next = repairInfoLines(lines, head, corrected, areaRepaired);
    // The repaired info area takes the place of the lines it was made from; lines it inserted
    // need room of their own.
    if (head.size() > next)
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(next), head.size() - next, std::string());
    const std::size_t rest = std::max(next, head.size());
    std::move(head.begin(), head.end(), lines.begin());
    removeOutdatedLines(lines, rest, head.size(), corrected, areaRepaired);
    removeStarsAtLine12(lines, corrected);
    return corrected;
}

} // namespace notavi
