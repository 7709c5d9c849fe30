#include "core/engine/view_evaluator.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

namespace notavi {
namespace {

// The order as it is defined: keys, then texts, as unsigned bytes; ties keep their order.
ViewEntries referenceOrder(ViewEntries entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ViewEntry& a, const ViewEntry& b) {
        const int byKey = a.sortKey.compare(b.sortKey);
        return byKey != 0 ? byKey < 0 : a.text < b.text;
    });
    return entries;
}

ViewEntry entry(std::string key, std::string text, int line)
{
    ViewEntry e;
    e.sortKey = std::move(key);
    e.text = std::move(text);
    e.sourceLine = line;
    return e;
}

std::string withNul(std::string text)
{
    return text + std::string(1, '\0');
}

// The sort reads only parts of keys and texts as numbers; these cases sit where those parts end.
TEST(EntrySort, MatchesTheDefinedOrderAtTheEdgesOfWhatItCompares)
{
    const std::string day = "Am Montag, dem 06.01.2025 ";
    const std::string long24 = day + "Gemeinsames Fr\xFChst\xFC"
                                     "ck im Verein "; // more than 24 bytes after the day
    const ViewEntries cases = {
        entry("20250106 ", long24 + "B", 1),
        entry("20250106 ", long24 + "A", 2),
        entry("20250106 ", long24, 3),
        entry("20250106 ", withNul(long24), 4),
        entry("20250106 ", day + "Kegeln", 5),
        entry("20250106 ", day + "Kegeln", 6), // equal texts keep their order
        entry("20250106 ", withNul(day + "Kegeln"), 7),
        entry("20250106 ", day + "\xE4rger", 8), // upper-half bytes after ASCII
        entry("20250106 ", day + "Kegeln", 9),
        entry("20250106 ", "", 10),
        entry("20250106", "ohne Leerzeichen", 11),
        entry(withNul("20250106"), "mit NUL", 12),
        entry("20250106 with a key longer than sixteen bytes b", "x", 13),
        entry("20250106 with a key longer than sixteen bytes a", "y", 14),
        entry("20250105 ", day + "Vortag", 15),
        entry("202501069", "", 16),
    };
    ViewEntries sorted = cases;
    sortEntries(sorted);
    EXPECT_EQ(sorted, referenceOrder(cases));
}

// Many entries of few days whose texts share long starts, as a year view makes them.
TEST(EntrySort, MatchesTheDefinedOrderOnGeneratedViews)
{
    std::mt19937 random(7);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string alphabet = std::string("ab \xFC", 4) + std::string(1, '\0');
    for (int round = 0; round < 20; ++round) {
        ViewEntries entries;
        for (int i = 0; i < 400; ++i) {
            std::string key = "2025010" + std::to_string(pick(3)) + (pick(10) == 0 ? "9" : " ");
            std::string text = "Am Tag " + std::to_string(pick(3)) + " ";
            // Mostly "a": texts that agree over long stretches.
            for (int length = pick(80); length > 0; --length)
                text += pick(12) == 0 ? alphabet[static_cast<std::size_t>(pick(5))] : 'a';
            entries.push_back(entry(std::move(key), std::move(text), i));
        }
        ViewEntries sorted = entries;
        sortEntries(sorted);
        ASSERT_EQ(sorted, referenceOrder(entries)) << "round " << round;
    }
}

} // namespace
} // namespace notavi
