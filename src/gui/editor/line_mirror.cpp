#include "gui/editor/line_mirror.h"

#include "gui/platform/text_conversion.h"

#include <algorithm>
#include <iterator>

#include <QTextBlock>
#include <QTextDocument>

namespace notavi::gui {

LineMirror::LineMirror(QTextDocument& document, QObject* parent) : QObject(parent), m_document(document)
{
    rebuild();
    connect(&document, &QTextDocument::contentsChange, this, &LineMirror::follow);
}

Lines LineMirror::fileLines() const
{
    if (m_lines.size() == 1 && m_lines.front().empty())
        return {};
    return m_lines;
}

// The blocks before the change keep their numbers and the blocks after it keep their texts, so only
// the lines from the changed position to the end of the inserted text are read again.
void LineMirror::follow(int position, int, int added)
{
    const int lastPosition = std::max(0, m_document.characterCount() - 1);
    const QTextBlock first = m_document.findBlock(std::min(position, lastPosition));
    const QTextBlock last = m_document.findBlock(std::min(position + added, lastPosition));
    if (!first.isValid() || !last.isValid()) {
        rebuild();
        return;
    }
    const auto oldCount = static_cast<long long>(m_lines.size());
    const long long newCount = m_document.blockCount();
    const long long firstLine = first.blockNumber();
    const long long lastNewLine = last.blockNumber();
    const long long lastOldLine = lastNewLine - (newCount - oldCount);
    if (firstLine > oldCount || lastOldLine < firstLine - 1 || lastOldLine >= oldCount) {
        rebuild();
        return;
    }
    Lines changed;
    changed.reserve(static_cast<std::size_t>(lastNewLine - firstLine + 1));
    for (QTextBlock block = first; block.isValid() && block.blockNumber() <= lastNewLine;
         block = block.next())
        changed.push_back(toCp1252(block.text()));
    // Typing inside a line replaces that line alone; only a change of the line count moves the rest.
    const auto oldRange = static_cast<std::size_t>(lastOldLine - firstLine + 1);
    const std::size_t common = std::min(oldRange, changed.size());
    const auto at = static_cast<std::size_t>(firstLine);
    std::move(changed.begin(), changed.begin() + static_cast<long>(common),
              m_lines.begin() + static_cast<long>(at));
    const auto tail = m_lines.begin() + static_cast<long>(at + common);
    if (oldRange > common)
        m_lines.erase(tail, tail + static_cast<long>(oldRange - common));
    else
        m_lines.insert(tail, std::make_move_iterator(changed.begin() + static_cast<long>(common)),
                       std::make_move_iterator(changed.end()));
}

void LineMirror::rebuild()
{
    m_lines.clear();
    m_lines.reserve(static_cast<std::size_t>(m_document.blockCount()));
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        m_lines.push_back(toCp1252(block.text()));
}

} // namespace notavi::gui
