#include "gui/platform/text_conversion.h"

#include "core/model/windows1252.h"

namespace notavi::gui {
namespace {

// Julian day number of 30.12.1899, day 0 of the program's day numbers.
constexpr qint64 kJulianDayOfDayZero = 2415019;

} // namespace

QString fromCp1252(std::string_view bytes)
{
    QString text;
    appendFromCp1252(text, bytes);
    return text;
}

// Straight into UTF-16, one character per byte: the view converts some hundred thousand lines at a
// time, and a detour through UTF-8 would make two strings of every one.
void appendFromCp1252(QString& out, std::string_view bytes)
{
    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(bytes.size()));
    QChar* target = out.data() + start;
    for (const char byte : bytes)
        *target++ = QChar(static_cast<char16_t>(codePointOf1252(byte)));
}

std::string toCp1252(const QString& text)
{
    return fromUtf8(text.toStdString());
}

QString boxText(std::string_view bytes)
{
    QString text = fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QDate toQDate(DayNumber day)
{
    return QDate::fromJulianDay(kJulianDayOfDayZero + day);
}

DayNumber toDayNumber(const QDate& date)
{
    return static_cast<DayNumber>(date.toJulianDay() - kJulianDayOfDayZero);
}

} // namespace notavi::gui
