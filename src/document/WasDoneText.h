#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Lecterna {

// The percentage-read text a book record keeps ("45.20 %", with the user's decimal separator)
// and what the start-up reads back from it. Independent of the C library's locale.
namespace WasDoneText {

constexpr std::string_view kUnknown = "?";
// A book read further than this is finished and is not reopened at start.
constexpr double kReopenLimit = 99.98;

// "%.2f %" of the percentage, with decimalSeparator in place of the point.
std::string format(double percent, std::string_view decimalSeparator);
// Drops the last two characters (the space and the percent sign) and reads the rest as a number
// written with decimalSeparator. Nothing when it is not such a number ("?" never is).
std::optional<double> parse(std::string_view text, std::string_view decimalSeparator);
// Whether a book whose record holds this text may be reopened at start: a number no greater
// than 99.98.
bool allowsReopen(std::string_view text, std::string_view decimalSeparator);

} // namespace WasDoneText

} // namespace Lecterna
