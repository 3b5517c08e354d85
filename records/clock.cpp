#include "clock.h"

namespace Clock {

namespace {
QDate &fixedDay()
{
    static QDate day;
    return day;
}
} // namespace

QDate today()
{
    return fixedDay().isValid() ? fixedDay() : QDate::currentDate();
}

void setToday(const QDate &date)
{
    fixedDay() = date;
}

} // namespace Clock
