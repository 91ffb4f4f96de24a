#include "editor/ui/OleDateTime.h"

#include <cmath>

namespace brenmoor {
namespace {

constexpr double kSecondsPerDay = 86400.0;
const QDate kOleEpoch(1899, 12, 30);

}  // namespace

OleDateParts SplitOleDate(double days) {
    const double whole = std::trunc(days);
    return {whole, std::fabs(days - whole)};
}

double JoinOleDate(double date, double time) { return date < 0 ? date - time : date + time; }

QDateTime FromOleDate(double days) {
    const OleDateParts parts = SplitOleDate(days);
    auto seconds = static_cast<qint64>(std::llround(parts.time * kSecondsPerDay));
    auto day = static_cast<qint64>(parts.date);
    if (seconds >= static_cast<qint64>(kSecondsPerDay)) {
        seconds -= static_cast<qint64>(kSecondsPerDay);
        day += 1;
    }
    return QDateTime(kOleEpoch.addDays(day), QTime(0, 0).addSecs(seconds));
}

double ToOleDate(const QDateTime& dateTime) {
    const auto day = static_cast<double>(kOleEpoch.daysTo(dateTime.date()));
    const double fraction = dateTime.time().msecsSinceStartOfDay() / (kSecondsPerDay * 1000.0);
    return day < 0 ? day - fraction : day + fraction;
}

}  // namespace brenmoor
