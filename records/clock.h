#pragma once

#include <QDate>

// "Today" for every text and record that carries the current date. Tests set a
// fixed day so that nothing depends on the calendar.
namespace Clock {

QDate today();

// A valid date fixes today; an invalid one returns to the system calendar.
void setToday(const QDate &date);

} // namespace Clock
