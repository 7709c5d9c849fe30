#pragma once

// The edge between the core's Windows-1252 byte strings and Qt's texts, and between day numbers and
// QDate.

#include "core/calendar/day_number.h"

#include <string>
#include <string_view>

#include <QDate>
#include <QString>

namespace notavi::gui {

QString fromCp1252(std::string_view bytes);
void appendFromCp1252(QString& out, std::string_view bytes);
// Characters without a Windows-1252 byte become "?".
std::string toCp1252(const QString& text);

// A message of the core for a box: its CRs break the lines.
QString boxText(std::string_view bytes);

// Day 0 is 30.12.1899; both sides use the proleptic Gregorian calendar.
QDate toQDate(DayNumber day);
DayNumber toDayNumber(const QDate& date);

} // namespace notavi::gui
