// English (United States) names of months, weekdays and time markers.
#pragma once

namespace vantor::calendar {

inline constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                                "July",    "August",   "September", "October", "November", "December"};
inline constexpr const char* kMonthAbbreviations[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
inline constexpr const char* kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
inline constexpr const char* kDayAbbreviations[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
inline constexpr const char* kAnteMeridiem = "AM";
inline constexpr const char* kPostMeridiem = "PM";
inline constexpr const char* kEraName = "A.D.";

}  // namespace vantor::calendar
