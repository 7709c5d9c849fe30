// The main window's view with texts longer than its first screen: the lines that go in after the
// first paint, and everything that needs the whole text before they are in.

#include "core/calendar/day_number.h"
#include "gui/app/entry_view.h"
#include "support/gui_test_main.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QWheelEvent>

using namespace notavi;
using namespace notavi::gui;

namespace {

constexpr int kLongView = PiecewiseTextFill::kFirstLines + 2 * PiecewiseTextFill::kPieceLines + 17;

QStringList numberedLines(const QString& stem, int count)
{
    QStringList lines;
    for (int line = 0; line < count; ++line)
        lines << stem + QString::number(line);
    return lines;
}

QStringList shownLines(const EntryView& view)
{
    QStringList lines;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

// Two appointments a day, the days apart by their separator lines.
ViewEntries longEntries(int days)
{
    ViewEntries entries;
    const DayNumber first = toDayNumber(2026, 1, 1);
    for (int day = 0; day < days; ++day) {
        entries.add(first + day, "Kegeln", 10);
        entries.add(first + day, "Chor \xE4 \x80", 11);
        entries.addSeparator(first + day);
    }
    return entries;
}

// Every line whose top is in the viewport, with the colour its layout paints it in.
std::vector<std::pair<int, QColor>> paintedColours(const EntryView& view)
{
    std::vector<std::pair<int, QColor>> lines;
    for (QTextBlock block = view.cursorForPosition(QPoint(0, 0)).block(); block.isValid();
         block = block.next()) {
        if (view.cursorRect(QTextCursor(block)).top() > view.viewport()->height())
            break;
        const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
        lines.emplace_back(block.blockNumber(),
                           formats.isEmpty() ? QColor() : formats.front().format.foreground().color());
    }
    return lines;
}

} // namespace

class TestEntryView : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void init()
    {
        m_view = std::make_unique<EntryView>();
        m_view->setLineWrapMode(QPlainTextEdit::NoWrap); // as the window's settings have it by default
        m_view->resize(600, 400);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup() { m_view.reset(); }

    void theRestFollowsFromTheEventLoop()
    {
        const QStringList lines = numberedLines(QStringLiteral("Zeile "), kLongView);
        m_view->showLines(lines, Qt::darkGreen);
        QCOMPARE(m_view->document()->blockCount(), PiecewiseTextFill::kFirstLines);
        QTRY_COMPARE(m_view->document()->blockCount(), kLongView);
        QCOMPARE(shownLines(*m_view), lines);
        QCOMPARE(m_view->textCursor().position(), 0);
        QCOMPARE(m_view->lineColour(kLongView - 1), QColor(Qt::darkGreen));
    }

    // Printing takes a copy of the whole text with the colours the view paints, line by line.
    void theColouredCopyHasEveryLineInItsColour()
    {
        ViewEntries entries;
        for (int day = 0; day < kLongView / 3; ++day) {
            entries.add(toDayNumber(2026, 1, 1) + day, "rot", 10, 4);
            entries.add(toDayNumber(2026, 1, 1) + day, "blau", 11, 7);
            entries.addSeparator(toDayNumber(2026, 1, 1) + day);
        }
        m_view->showEntries(entries, {{}, Qt::black}, false);
        const std::unique_ptr<QTextDocument> copy = m_view->colouredCopy();
        QCOMPARE(copy->blockCount(), m_view->document()->blockCount());
        QVERIFY(copy->blockCount() >= kLongView - 3);
        for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
            if (block.text().isEmpty())
                continue;
            const QColor printed = block.begin().fragment().charFormat().foreground().color();
            QCOMPARE(printed, m_view->lineColour(block.blockNumber()));
        }
        QVERIFY(m_view->lineColour(0) != m_view->lineColour(1)); // the runs really change colour
    }

    // The view colours the lines as they come into sight: at the first paint, after a scroll to
    // the end and after a recolouring, every line in sight has its own colour.
    void theLinesInSightHaveTheirColours()
    {
        ViewEntries entries;
        for (int day = 0; day < kLongView / 2; ++day) {
            entries.add(toDayNumber(2026, 1, 1) + day, "rot", 10, 4);
            entries.add(toDayNumber(2026, 1, 1) + day, "in der Schriftfarbe", 11);
        }
        // The first line in sight and the lines in sight not in their colour.
        const auto inSight = [this] {
            QCoreApplication::processEvents();
            const auto painted = paintedColours(*m_view);
            const auto wrong = std::count_if(painted.begin(), painted.end(), [this](const auto& line) {
                return line.second != m_view->lineColour(line.first);
            });
            return std::pair{painted.size() > 10 ? painted.front().first : -1, wrong};
        };
        m_view->showEntries(entries, {{}, Qt::black}, false);
        QCOMPARE(inSight(), std::pair(0, std::ptrdiff_t{0}));
        QTest::keyClick(m_view.get(), Qt::Key_End, Qt::ControlModifier);
        const auto [firstAtEnd, wrongAtEnd] = inSight();
        QVERIFY(firstAtEnd > kLongView - 100);
        QCOMPARE(wrongAtEnd, 0);
        m_view->recolour({{}, Qt::darkCyan});
        QCOMPARE(m_view->lineColour(firstAtEnd | 1), QColor(Qt::darkCyan));
        QCOMPARE(inSight(), std::pair(firstAtEnd, std::ptrdiff_t{0}));
    }

    // Delete asks for the delete command, from the main keys and the keypad; with a modifier it is
    // the text control's own key.
    void deleteKeysAskForTheDeleteCommand()
    {
        m_view->showLines(numberedLines(QStringLiteral("Zeile "), 3), Qt::black);
        QSignalSpy asked(m_view.get(), &EntryView::deletePressed);
        QTest::keyClick(m_view.get(), Qt::Key_Delete);
        QTest::keyClick(m_view.get(), Qt::Key_Delete, Qt::KeypadModifier);
        QTest::keyClick(m_view.get(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(asked.size(), 2);
    }

    void aShortTextGoesInWhole()
    {
        const QStringList lines = numberedLines(QStringLiteral("kurz "), PiecewiseTextFill::kFirstLines);
        m_view->showLines(lines, Qt::black);
        QCOMPARE(shownLines(*m_view), lines);
        m_view->showLines({}, Qt::black);
        QCOMPARE(shownLines(*m_view), QStringList{QString()});
    }

    void everyMoveOfTheUserCompletesTheTextFirst_data()
    {
        QTest::addColumn<std::function<void(EntryView&)>>("move");
        QTest::addColumn<int>("caretLine");
        QTest::newRow("Ctrl+End") << std::function<void(EntryView&)>([](EntryView& view) {
            QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        }) << kLongView - 1;
        QTest::newRow("click") << std::function<void(EntryView&)>([](EntryView& view) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        }) << 0;
        QTest::newRow("wheel") << std::function<void(EntryView&)>([](EntryView& view) {
            const QPointF at(20, 10);
            QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view.viewport(), &wheel);
        }) << 0;
        QTest::newRow("scroll bar") << std::function<void(EntryView&)>([](EntryView& view) {
            view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        }) << 0;
    }

    void everyMoveOfTheUserCompletesTheTextFirst()
    {
        QFETCH(std::function<void(EntryView&)>, move);
        QFETCH(int, caretLine);
        m_view->showLines(numberedLines(QStringLiteral("Zeile "), kLongView), Qt::black);
        move(*m_view);
        QCOMPARE(m_view->document()->blockCount(), kLongView);
        QCOMPARE(m_view->textCursor().blockNumber(), caretLine);
    }

    void aRememberedPlaceBeyondTheFirstLinesIsFound()
    {
        m_view->showEntries(longEntries(kLongView / 3), {{}, Qt::black}, false);
        m_view->restorePosition({kLongView - 100, kLongView - 10, "20260420 "}, true);
        // Three lines a day: the first entry of the 20th of April, the 110th day.
        QCOMPARE(m_view->textCursor().blockNumber(), 109 * 3);
        QCOMPARE(m_view->textCursor().block().text(), QStringLiteral("Kegeln"));
        const ViewPosition again = m_view->position();
        QCOMPARE(again.caretLine, 109 * 3);
        QCOMPARE(again.key, std::string("20260420 "));
    }

    void theViewOfTheLastFourWeeksStandsAtItsEnd()
    {
        const ViewEntries entries = longEntries(kLongView / 3);
        m_view->showEntries(entries, {{}, Qt::black}, true);
        QCOMPARE(m_view->document()->blockCount(), static_cast<int>(entries.size()));
        QCOMPARE(m_view->textCursor().blockNumber(), static_cast<int>(entries.size()) - 1);
        QCOMPARE(m_view->verticalScrollBar()->value(), m_view->verticalScrollBar()->maximum());
        // Windows-1252 bytes above 0x7F arrive as their characters.
        QCOMPARE(m_view->document()->findBlockByNumber(1).text().right(5), QStringLiteral("r \u00E4 \u20AC"));
    }

    void newTextOrAClearStopsTheRestOfTheOld()
    {
        m_view->showLines(numberedLines(QStringLiteral("alt "), kLongView), Qt::black);
        m_view->clear();
        QTest::qWait(50);
        QCOMPARE(shownLines(*m_view), QStringList{QString()});

        m_view->showLines(numberedLines(QStringLiteral("alt "), kLongView), Qt::black);
        const QStringList fresh = numberedLines(QStringLiteral("neu "), kLongView + 5);
        m_view->showLines(fresh, Qt::black);
        m_view->completeText();
        QTest::qWait(50);
        QCOMPARE(shownLines(*m_view), fresh);
    }

    void aNewTextKeepsTheSettingsOfTheView()
    {
        m_view->setFont(QFont(QStringLiteral("Times New Roman"), 17));
        m_view->setCursorWidth(7);
        m_view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        const int margin = static_cast<int>(m_view->document()->documentMargin());
        for (int round = 0; round < 3; ++round)
            m_view->showLines(numberedLines(QStringLiteral("Zeile "), 3), Qt::black);
        QCOMPARE(m_view->cursorWidth(), 7);
        QCOMPARE(m_view->document()->defaultFont().pointSize(), 17);
        QCOMPARE(m_view->document()->defaultTextOption().wrapMode(),
                 QTextOption::WrapAtWordBoundaryOrAnywhere);
        QCOMPARE(static_cast<int>(m_view->document()->documentMargin()), margin);
        QVERIFY(!m_view->document()->isUndoRedoEnabled());
        // The replaced documents go soon after.
        QTRY_COMPARE(m_view->findChildren<QTextDocument*>(Qt::FindDirectChildrenOnly).size(), 1);
    }

  private:
    std::unique_ptr<EntryView> m_view;
};

NOTAVI_GUI_TEST_MAIN(TestEntryView)
#include "tst_entry_view.moc"
