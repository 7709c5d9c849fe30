// The order of the view: by sort key, then by text, both compared as bytes (unsigned, so in the
// Windows-1252 code order); entries equal in both keep the order in which they were made.
//
// A year view sorts hundreds of thousands of entries, and what costs is touching them: an entry
// read at random is a cache miss, and a comparison sort that moves entries or compares their texts
// reads them over and over. So the entries are read in their own order to put them into groups of
// equal leading key bytes (a group is usually one day) as small records, which carry the next
// 24 bytes of the text as numbers. Each group is sorted on these records alone; records whose
// numbers tie are refilled with the following 24 bytes and sorted again. At last every entry
// is moved once, to its place.

#include "core/engine/view_evaluator.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace notavi {
namespace {

// Eight bytes from `from` on as a big-endian number, missing bytes as 0. Two such numbers compare
// like the bytes whenever they differ.
std::uint64_t eightBytes(const std::string& text, std::size_t from)
{
    unsigned char bytes[8] = {};
    if (from < text.size())
        std::memcpy(bytes, text.data() + from, std::min<std::size_t>(8, text.size() - from));
    return std::uint64_t{bytes[0]} << 56 | std::uint64_t{bytes[1]} << 48 | std::uint64_t{bytes[2]} << 40 |
           std::uint64_t{bytes[3]} << 32 | std::uint64_t{bytes[4]} << 24 | std::uint64_t{bytes[5]} << 16 |
           std::uint64_t{bytes[6]} << 8 | std::uint64_t{bytes[7]};
}

// Twenty-four bytes of a text from some offset on, and how many of them the text has: a number
// above 24 means the text goes on. Of two windows with equal numbers, the one of the shorter text
// comes first (the text is a start of the other, whose further bytes are NUL); two equal windows of
// texts that both go on need the next window.
constexpr std::size_t kWindow = 24;
constexpr std::uint32_t kGoesOn = kWindow + 1;

struct Record
{
    std::uint64_t head;   // window bytes 0-7
    std::uint64_t middle; // window bytes 8-15
    std::uint64_t tail;   // window bytes 16-23
    std::uint32_t index;
    std::uint32_t length; // bytes of the text in the window, kGoesOn when more follow

    void fill(const std::string& text, std::size_t offset)
    {
        head = eightBytes(text, offset);
        middle = eightBytes(text, offset + 8);
        tail = eightBytes(text, offset + 16);
        length = static_cast<std::uint32_t>(std::min<std::size_t>(text.size() - offset, kGoesOn));
    }

    bool sameWindow(const Record& other) const
    {
        return head == other.head && middle == other.middle && tail == other.tail && length == other.length;
    }

    friend bool operator<(const Record& a, const Record& b)
    {
        if (a.head != b.head)
            return a.head < b.head;
        if (a.middle != b.middle)
            return a.middle < b.middle;
        if (a.tail != b.tail)
            return a.tail < b.tail;
        if (a.length != b.length)
            return a.length < b.length;
        return a.index < b.index;
    }
};

// The first sixteen bytes of a sort key; keys that agree in them form one group.
struct KeyBytes
{
    std::uint64_t head;
    std::uint64_t tail;

    explicit KeyBytes(const std::string& key) : head(eightBytes(key, 0)), tail(eightBytes(key, 8)) {}

    friend bool operator==(const KeyBytes&, const KeyBytes&) = default;

    friend bool operator<(const KeyBytes& a, const KeyBytes& b)
    {
        return a.head != b.head ? a.head < b.head : a.tail < b.tail;
    }
};

struct KeyBytesHash
{
    std::size_t operator()(const KeyBytes& key) const
    {
        return std::hash<std::uint64_t>{}(key.head * 0x9E3779B97F4A7C15u ^ key.tail);
    }
};

struct Group
{
    KeyBytes key;
    const ViewEntry* first;
    std::size_t shared;   // length of the text start all entries of the group share
    bool sameKeys = true; // all keys equal, not only in their first sixteen bytes
    std::size_t count = 0;
    std::size_t next = 0; // where its next record goes
    std::size_t end = 0;
};

// The length of the start that a and b share, at most limit.
std::size_t sharedStart(const std::string& a, const std::string& b, std::size_t limit)
{
    limit = std::min({limit, a.size(), b.size()});
    std::size_t i = 0;
    while (i + 8 <= limit && std::memcmp(a.data() + i, b.data() + i, 8) == 0)
        i += 8;
    while (i < limit && a[i] == b[i])
        ++i;
    return i;
}

std::vector<Group> findGroups(const ViewEntries& entries, std::vector<std::uint32_t>& groupOfEntry)
{
    std::unordered_map<KeyBytes, std::uint32_t, KeyBytesHash> groupOfKey;
    std::vector<Group> groups;
    groupOfEntry.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ViewEntry& entry = entries[i];
        const KeyBytes key(entry.sortKey);
        const auto [it, isNew] = groupOfKey.try_emplace(key, static_cast<std::uint32_t>(groups.size()));
        if (isNew)
            groups.push_back({key, &entry, entry.text.size()});
        Group& group = groups[it->second];
        group.shared = sharedStart(group.first->text, entry.text, group.shared);
        group.sameKeys = group.sameKeys && entry.sortKey == group.first->sortKey;
        ++group.count;
        groupOfEntry[i] = it->second;
    }
    return groups;
}

// The records of all groups, groups in key order, each in entry order (a counting sort), with the
// window just after the group's shared text start.
std::vector<Record> distribute(const ViewEntries& entries, std::vector<Group>& groups,
                               const std::vector<std::uint32_t>& groupOfEntry)
{
    std::vector<Group*> byKey;
    byKey.reserve(groups.size());
    for (Group& group : groups)
        byKey.push_back(&group);
    std::sort(byKey.begin(), byKey.end(), [](const Group* a, const Group* b) { return a->key < b->key; });
    std::size_t start = 0;
    for (Group* group : byKey) {
        group->next = start;
        start += group->count;
        group->end = start;
    }
    std::vector<Record> records(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Group& group = groups[groupOfEntry[i]];
        Record& record = records[group.next++];
        record.index = static_cast<std::uint32_t>(i);
        record.fill(entries[i].text, group.shared);
    }
    return records;
}

// Records whose texts agree up to offset, filled with the window at offset, into text order. Runs
// of equal windows wait on a list rather than in nested calls: texts may be long.
void sortByText(const ViewEntries& entries, Record* first, Record* last, std::size_t offset)
{
    struct Range
    {
        Record* first;
        Record* last;
        std::size_t offset;
    };

    std::vector<Range> pending = {{first, last, offset}};
    while (!pending.empty()) {
        const Range range = pending.back();
        pending.pop_back();
        std::sort(range.first, range.last);
        for (Record* run = range.first; run != range.last;) {
            Record* runEnd = run + 1;
            while (runEnd != range.last && runEnd->sameWindow(*run))
                ++runEnd;
            if (run->length == kGoesOn && runEnd - run > 1) {
                for (Record* r = run; r != runEnd; ++r)
                    r->fill(entries[r->index].text, range.offset + kWindow);
                pending.push_back({run, runEnd, range.offset + kWindow});
            }
            run = runEnd;
        }
    }
}

// A group whose keys differ beyond their first sixteen bytes, or only by trailing NUL bytes.
void sortByKeyAndText(const ViewEntries& entries, Record* first, Record* last)
{
    std::sort(first, last, [&entries](const Record& a, const Record& b) {
        const ViewEntry& x = entries[a.index];
        const ViewEntry& y = entries[b.index];
        if (const int byKey = x.sortKey.compare(y.sortKey); byKey != 0)
            return byKey < 0;
        if (const int byText = x.text.compare(y.text); byText != 0)
            return byText < 0;
        return a.index < b.index;
    });
}

} // namespace

void sortEntries(ViewEntries& entries)
{
    std::vector<std::uint32_t> groupOfEntry;
    std::vector<Group> groups = findGroups(entries, groupOfEntry);
    std::vector<Record> records = distribute(entries, groups, groupOfEntry);
    groupOfEntry = {};
    for (const Group& group : groups) {
        Record* first = records.data() + (group.end - group.count);
        Record* last = records.data() + group.end;
        if (group.sameKeys)
            sortByText(entries, first, last, group.shared);
        else
            sortByKeyAndText(entries, first, last);
    }

    // The entries move into their places along the cycles of the order, in place: a second list
    // of them would only cost fresh memory.
    std::vector<bool> placed(records.size(), false);
    for (std::size_t start = 0; start < records.size(); ++start) {
        if (placed[start] || records[start].index == start)
            continue;
        ViewEntry carried = std::move(entries[start]);
        std::size_t at = start;
        for (;;) {
            placed[at] = true;
            const std::size_t from = records[at].index;
            if (from == start) {
                entries[at] = std::move(carried);
                break;
            }
            entries[at] = std::move(entries[from]);
            at = from;
        }
    }
}

} // namespace notavi
