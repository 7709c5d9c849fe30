#include "gui/editor/line_range_edits.h"

#include "gui/editor/editor_text.h"
#include "gui/platform/text_conversion.h"
#include "gui/platform/text_insertion.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

#include <QTextBlock>

namespace notavi::gui {
namespace {

// The cursor over lines first ... end - 1 of the document. Up to the end of the text, the range
// takes the line break before it instead of the one after it, so that no empty line is left.
QTextCursor rangeCursor(QTextDocument& document, int first, int end)
{
    const int count = document.blockCount();
    first = std::clamp(first, 0, count);
    end = std::clamp(end, first, count);
    QTextCursor cursor(&document);
    if (end < count) {
        cursor.setPosition(document.findBlockByNumber(first).position());
        cursor.setPosition(document.findBlockByNumber(end).position(), QTextCursor::KeepAnchor);
        return cursor;
    }
    const QTextBlock before = document.findBlockByNumber(first - 1);
    cursor.setPosition(before.isValid() ? before.position() + before.length() - 1 : 0);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return cursor;
}

// The lines of `after` as the document holds them, taken from the document lines first ... end - 1
// whose file text they equal, in order. Only a line with a "?" can stand for characters the file
// cannot store (they are "?" in the file text); every other line is its own document text, so only
// those are looked up, and the cost stays with them.
QStringList documentTextsOf(const Lines& after, const Lines& before, std::size_t first, std::size_t end,
                            const QTextDocument& document)
{
    const auto mayDiffer = [](const std::string& line) { return line.find('?') != std::string::npos; };
    std::unordered_map<std::string, std::deque<QString>> texts;
    QTextBlock block = document.findBlockByNumber(static_cast<int>(first));
    for (std::size_t i = first; i < end && block.isValid(); ++i, block = block.next())
        if (mayDiffer(before[i]))
            texts[before[i]].push_back(block.text());
    QStringList result;
    result.reserve(static_cast<qsizetype>(after.size()));
    for (const std::string& line : after) {
        const auto same = mayDiffer(line) ? texts.find(line) : texts.end();
        if (same == texts.end() || same->second.empty()) {
            result << fromCp1252(line);
            continue;
        }
        result << same->second.front();
        same->second.pop_front();
    }
    return result;
}

} // namespace

void changeLinesAsOneEdit(EditorTextControl& text, const Lines& before, const Lines& after)
{
    const auto mismatch = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    if (mismatch.first == before.end() && mismatch.second == after.end())
        return;
    const auto head = static_cast<std::size_t>(mismatch.first - before.begin());
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const std::size_t end = before.size() - tail;
    const Lines middle(after.begin() + static_cast<long>(head), after.end() - static_cast<long>(tail));
    replaceLinesAsOneEdit(text, static_cast<int>(head), static_cast<int>(end),
                          documentTextsOf(middle, before, head, end, *text.document()));
}

void selectLines(EditorTextControl& text, int first, int end)
{
    QTextDocument& document = *text.document();
    QTextCursor cursor(&document);
    cursor.setPosition(
        document.findBlockByNumber(std::clamp(first, 0, document.blockCount() - 1)).position());
    const QTextBlock after = document.findBlockByNumber(end);
    if (after.isValid())
        cursor.setPosition(after.position(), QTextCursor::KeepAnchor);
    else
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    text.setTextCursor(cursor);
    text.ensureCursorVisible();
}

void deselectToLine(EditorTextControl& text, int line)
{
    text.moveCaretToLine(line);
}

void replaceLinesAsOneEdit(EditorTextControl& text, int first, int end, const QStringList& lines)
{
    QTextDocument& document = *text.document();
    const bool toTheEnd = end >= document.blockCount();
    QString replacement = lines.join(QLatin1Char('\n'));
    if (!lines.isEmpty()) {
        if (!toTheEnd)
            replacement += QLatin1Char('\n');
        else if (first > 0)
            replacement.prepend(QLatin1Char('\n'));
    }
    text.setTextCursor(rangeCursor(document, first, end));
    insertAsOneEdit(text, replacement);
}

void removeLinesAsOneEdit(EditorTextControl& text, const std::vector<int>& ascending)
{
    if (ascending.empty())
        return;
    const int first = ascending.front();
    const int end = ascending.back() + 1;
    QStringList kept;
    auto removed = ascending.begin();
    QTextBlock block = text.document()->findBlockByNumber(first);
    for (int line = first; line < end && block.isValid(); ++line, block = block.next()) {
        if (removed != ascending.end() && *removed == line)
            ++removed;
        else
            kept << block.text();
    }
    replaceLinesAsOneEdit(text, first, end, kept);
    text.moveCaretToLine(std::min(first, text.document()->blockCount() - 1));
}

} // namespace notavi::gui
