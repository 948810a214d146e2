#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Lecterna {

// Dates in the settings file, as days since 1970-01-01 (the unit of Clock::today()).
// We write ISO "YYYY-MM-DD"; reading also accepts "DD.MM.YYYY", the Russian short date that files
// written by hand or by older versions hold.
std::string formatStoredDate(int32_t days);
std::optional<int32_t> parseStoredDate(std::string_view text);
std::optional<int32_t> daysFromDate(int year, int month, int day);

} // namespace Lecterna
