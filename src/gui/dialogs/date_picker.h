#pragma once

// A date field "TT.MM.JJJJ" with a calendar to pick from. What the user types stays as typed: Qt's
// date edit corrects a day the month does not have (31.02. becomes 28.02.), drops a digit beyond
// its range and falls back to the previous date when the text is unfinished, so the caller could
// not tell the user that the typed date was not taken. Here the caller judges text(). The left and
// right arrow keys move between day, month and year; up and down step the part under the cursor.

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace notavi::gui {

class DatePicker final : public QWidget
{
    Q_OBJECT

  public:
    enum class Part
    {
        Day,
        Month,
        Year,
    };

    explicit DatePicker(QWidget* parent = nullptr);

    // The text as typed, blanks of unfinished parts shown as "_".
    QString text() const;
    // The typed date, or an invalid QDate when the text names none.
    QDate date() const;
    void setDate(const QDate& date);
    // The part under the cursor.
    Part currentPart() const;
    // Selects a part, so that typing replaces it.
    void selectPart(Part part);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool handleKey(int key);
    void step(int delta);
    void showCalendar();

    QLineEdit* m_edit = nullptr;
    QToolButton* m_calendarButton = nullptr;
};

} // namespace notavi::gui
