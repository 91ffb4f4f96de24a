// Date-times of the file information record: OLE Automation dates, days
// since 1899-12-30 whose fraction is the time of day (for dates before
// 1899-12-30 the fraction counts forward from the day).
#pragma once

#include <QDateTime>

namespace brenmoor {

// The date-time of the day count, rounded to the nearest second, so that
// 10:30 stored as 0.4375 days never shows as 10:29:59.
QDateTime FromOleDate(double days);
double ToOleDate(const QDateTime& dateTime);

struct OleDateParts {
    double date;  // whole days
    double time;  // fraction of a day, 0 <= time < 1
};
OleDateParts SplitOleDate(double days);
// date + time; before 1899-12-30 the time counts forward from the day.
double JoinOleDate(double date, double time);

}  // namespace brenmoor
