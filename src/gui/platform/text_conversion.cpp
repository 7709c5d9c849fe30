#include "gui/platform/text_conversion.h"

#include "core/model/windows1252.h"

namespace notavi::gui {
namespace {

// Julian day number of 30.12.1899, day 0 of the program's day numbers.
constexpr qint64 kJulianDayOfDayZero = 2415019;

} // namespace

QString fromCp1252(std::string_view bytes)
{
    return QString::fromStdString(toUtf8(bytes));
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
