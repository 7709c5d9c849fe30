#include "core/model/info_area.h"

#include "core/model/info_texts.h"
#include "core/model/outdated_blocks.h"

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
    // Lines of an older info area that the insertions pushed below line 11 go with the blank ones.
    if (removeBlankAndOutdatedLines(lines, rest, head.size(), kInfoLineCount,
                                    areaRepaired ? isOlderInfoLine : nullptr))
        corrected = true;
    removeStarsAtLine12(lines, corrected);
    return corrected;
}

} // namespace notavi
