#pragma once

// The results of an evaluation: the lines of the view and today's alarms.

#include "core/calendar/day_number.h"
#include "core/engine/text_store.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace notavi {

// Source lines of entries without a line of the file. They lie beyond every possible line index
// (small numbers like 99998 would be real lines of a large file) and keep the order
// file lines < computed entries < separator lines.
constexpr int kInternalSourceLine = std::numeric_limits<int>::max() - 1;
constexpr int kSeparatorSourceLine = std::numeric_limits<int>::max();

// One line of the view. Its text is the day's phrase ("Morgen ", "Am 03.01.2025 ") followed by the
// rest of the sentence; both parts belong to the list the entry was read from.
struct ViewEntry
{
    DayNumber day = 0;
    std::string_view phrase;
    std::string_view rest;
    int sourceLine = kInternalSourceLine;
    int colour = 0; // colour code 0..17, 0 = the block's colour
    int block = 0;  // block number

    bool isSeparator() const { return sourceLine == kSeparatorSourceLine; }

    std::size_t textLength() const { return phrase.size() + rest.size(); }

    std::string text() const;
    // "JJJJMMTT" + " " for an appointment, + "9" for a separator line.
    std::string sortKey() const;

    friend bool operator==(const ViewEntry& a, const ViewEntry& b);
};

// What the entries of one line on different days share: the rest of the text and where it comes
// from. A recurring line makes one and uses it on every day it occurs.
struct ViewText
{
    static constexpr std::uint8_t kDayPhrase = 1; // the entry's text begins with its day's phrase

    std::string_view rest;
    std::int32_t sourceLine = kInternalSourceLine;
    std::uint8_t colour = 0;
    std::uint8_t block = 0;
    std::uint8_t flags = 0;
};

// How a list keeps an entry: its day and its text, 8 bytes.
struct ViewRecord
{
    DayNumber day = 0;
    std::uint32_t text = 0; // index into ViewTexts::texts
};

// The texts of a list: the phrase of each day from firstDay on, and the texts of the entries; the
// first is that of the separator lines.
struct ViewTexts
{
    static constexpr std::uint32_t kSeparator = 0;

    ViewTexts();

    TextStore store;
    DayNumber firstDay = 0;
    std::vector<std::string_view> phrases;
    std::vector<ViewText> texts;

    // Stores first + second as the rest of a new text.
    std::uint32_t add(ViewText text, std::string_view first, std::string_view second = {});
};

class ViewEntries
{
  public:
    // Reads the entries by value: a ViewEntry is a small view of a record and the list's texts.
    class const_iterator
    {
      public:
        using iterator_concept = std::random_access_iterator_tag;
        using iterator_category = std::input_iterator_tag;
        using value_type = ViewEntry;
        using difference_type = std::ptrdiff_t;
        using reference = ViewEntry;

        struct pointer
        {
            ViewEntry entry;

            const ViewEntry* operator->() const { return &entry; }
        };

        const_iterator() = default;

        const_iterator(const ViewEntries* list, std::size_t index) : m_list(list), m_index(index) {}

        ViewEntry operator*() const { return (*m_list)[m_index]; }

        pointer operator->() const { return {**this}; }

        ViewEntry operator[](difference_type n) const { return *(*this + n); }

        const_iterator& operator++() { return ++m_index, *this; }

        const_iterator operator++(int) { return {m_list, m_index++}; }

        const_iterator& operator--() { return --m_index, *this; }

        const_iterator operator--(int) { return {m_list, m_index--}; }

        const_iterator& operator+=(difference_type n)
        {
            return m_index += static_cast<std::size_t>(n), *this;
        }

        const_iterator& operator-=(difference_type n)
        {
            return m_index -= static_cast<std::size_t>(n), *this;
        }

        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }

        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }

        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }

        friend difference_type operator-(const const_iterator& a, const const_iterator& b)
        {
            return static_cast<difference_type>(a.m_index) - static_cast<difference_type>(b.m_index);
        }

        friend bool operator==(const const_iterator& a, const const_iterator& b)
        {
            return a.m_index == b.m_index;
        }

        friend auto operator<=>(const const_iterator& a, const const_iterator& b)
        {
            return a.m_index <=> b.m_index;
        }

      private:
        const ViewEntries* m_list = nullptr;
        std::size_t m_index = 0;
    };

    using iterator = const_iterator;
    using value_type = ViewEntry;
    using size_type = std::size_t;

    ViewEntries() = default;
    // The list an evaluation put together. Copies share its texts until one of them adds an entry.
    ViewEntries(std::shared_ptr<ViewTexts> texts, std::vector<ViewRecord> records);

    std::size_t size() const { return m_records.size(); }

    bool empty() const { return m_records.empty(); }

    ViewEntry operator[](std::size_t index) const;

    ViewEntry front() const { return (*this)[0]; }

    ViewEntry back() const { return (*this)[size() - 1]; }

    const_iterator begin() const { return {this, 0}; }

    const_iterator end() const { return {this, size()}; }

    void clear();

    void pop_back() { m_records.pop_back(); }

    // Appends an entry with a copy of its text, for lists made outside an evaluation. Colour codes
    // outside 0..17 count as 0; a block number outside 0..16 is refused (std::invalid_argument).
    void add(DayNumber day, std::string_view text, int sourceLine = kInternalSourceLine, int colour = 0,
             int block = 0);
    void addSeparator(DayNumber day);

    // Ascending by day, a day's entries before its separator line, then by text as bytes (the
    // Windows-1252 code order); entries equal in all of it keep their order.
    void sort();

    friend bool operator==(const ViewEntries& a, const ViewEntries& b);

  private:
    ViewEntry entryOf(const ViewRecord& record) const;
    // The texts this list may add to: made on first use, and its own when a copy shared them.
    ViewTexts& ownTexts();

    std::shared_ptr<ViewTexts> m_texts;
    std::vector<ViewRecord> m_records;
};

struct Alarm
{
    int minuteOfDay = 0;
    std::string text;
    friend bool operator==(const Alarm&, const Alarm&) = default;
};

using Alarms = std::vector<Alarm>;

} // namespace notavi
