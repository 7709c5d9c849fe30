#include "core/calendar/german_text.h"
#include "core/engine/view_entry.h"
#include "core/model/block_catalogue.h"
#include "core/model/colour_table.h"

#include <algorithm>
#include <iterator>
#include <ranges>
#include <stdexcept>

namespace notavi {

// The window, the terminal view and the tests use the list with the standard algorithms and ranges.
static_assert(std::random_access_iterator<ViewEntries::const_iterator>);
static_assert(std::ranges::random_access_range<const ViewEntries>);

std::string ViewEntry::text() const
{
    std::string text;
    text.reserve(textLength());
    return text.append(phrase).append(rest);
}

std::string ViewEntry::sortKey() const
{
    return dateKey(day) + (isSeparator() ? "9" : " ");
}

bool operator==(const ViewEntry& a, const ViewEntry& b)
{
    return a.day == b.day && a.sourceLine == b.sourceLine && a.colour == b.colour && a.block == b.block &&
           a.text() == b.text();
}

ViewTexts::ViewTexts()
{
    ViewText separator;
    separator.sourceLine = kSeparatorSourceLine;
    texts.push_back(separator);
}

std::uint32_t ViewTexts::add(ViewText text, std::string_view first, std::string_view second)
{
    text.rest = store.append(first, second);
    texts.push_back(text);
    return static_cast<std::uint32_t>(texts.size() - 1);
}

ViewEntries::ViewEntries(std::shared_ptr<ViewTexts> texts, std::vector<ViewRecord> records)
    : m_texts(std::move(texts)), m_records(std::move(records))
{
}

ViewEntry ViewEntries::operator[](std::size_t index) const
{
    return entryOf(m_records[index]);
}

ViewEntry ViewEntries::entryOf(const ViewRecord& record) const
{
    const ViewText& text = m_texts->texts[record.text];
    ViewEntry entry;
    entry.day = record.day;
    entry.rest = text.rest;
    entry.sourceLine = text.sourceLine;
    entry.colour = text.colour;
    entry.block = text.block;
    if (text.flags & ViewText::kDayPhrase)
        entry.phrase = m_texts->phrases[static_cast<std::size_t>(record.day - m_texts->firstDay)];
    return entry;
}

void ViewEntries::clear()
{
    m_records.clear();
    m_texts.reset();
}

ViewTexts& ViewEntries::ownTexts()
{
    if (!m_texts) {
        m_texts = std::make_shared<ViewTexts>();
    } else if (m_texts.use_count() > 1) {
        // Another list reads these texts: this one goes on with copies of its own.
        auto own = std::make_shared<ViewTexts>();
        for (std::size_t i = 0; i < m_records.size(); ++i) {
            if (m_records[i].text == ViewTexts::kSeparator)
                continue;
            const ViewEntry entry = (*this)[i];
            ViewText copy = m_texts->texts[m_records[i].text];
            copy.flags = 0; // the phrase is part of the copied text
            m_records[i].text = own->add(copy, entry.phrase, entry.rest);
        }
        m_texts = std::move(own);
    }
    return *m_texts;
}

void ViewEntries::add(DayNumber day, std::string_view text, int sourceLine, int colour, int block)
{
    if (block < 0 || block >= kBlockCount)
        throw std::invalid_argument("block number " + std::to_string(block));
    ViewText made;
    made.sourceLine = sourceLine;
    made.colour = static_cast<std::uint8_t>(colour >= 0 && colour <= kColourCount ? colour : 0);
    made.block = static_cast<std::uint8_t>(block);
    const std::uint32_t index = ownTexts().add(made, text);
    m_records.push_back({day, index});
}

void ViewEntries::addSeparator(DayNumber day)
{
    ownTexts();
    m_records.push_back({day, ViewTexts::kSeparator});
}

void ViewEntries::sort()
{
    std::stable_sort(m_records.begin(), m_records.end(), [this](const ViewRecord& x, const ViewRecord& y) {
        const ViewEntry a = entryOf(x);
        const ViewEntry b = entryOf(y);
        if (a.day != b.day)
            return a.day < b.day;
        if (a.isSeparator() != b.isSeparator())
            return b.isSeparator();
        return a.text() < b.text();
    });
}

bool operator==(const ViewEntries& a, const ViewEntries& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace notavi
