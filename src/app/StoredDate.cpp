#include "app/StoredDate.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace Lecterna {

namespace {

std::optional<int> number(std::string_view text, size_t digits) {
    if (text.size() != digits)
        return std::nullopt;
    int v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

} // namespace

std::optional<int32_t> daysFromDate(int year, int month, int day) {
    using namespace std::chrono;
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok())
        return std::nullopt;
    return static_cast<int32_t>(sys_days{ymd}.time_since_epoch().count());
}

std::string formatStoredDate(int32_t days) {
    using namespace std::chrono;
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return buf;
}

std::optional<int32_t> parseStoredDate(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::optional<int> y, m, d;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        y = number(text.substr(0, 4), 4), m = number(text.substr(5, 2), 2), d = number(text.substr(8, 2), 2);
    } else if (text.size() == 10 && text[2] == '.' && text[5] == '.') {
        d = number(text.substr(0, 2), 2), m = number(text.substr(3, 2), 2), y = number(text.substr(6, 4), 4);
    }
    if (!y || !m || !d)
        return std::nullopt;
    return daysFromDate(*y, *m, *d);
}

} // namespace Lecterna
