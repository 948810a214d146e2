#include "app/StartAction.h"

#include <charconv>

namespace Lecterna {

namespace {

// Drops the last `count` UTF-8 characters.
std::string_view dropLastCharacters(std::string_view s, int count) {
    while (count-- > 0 && !s.empty()) {
        size_t lead = s.size() - 1;
        while (lead > 0 && (static_cast<unsigned char>(s[lead]) & 0xC0) == 0x80)
            --lead;
        s = s.substr(0, lead);
    }
    return s;
}

} // namespace

int32_t daysSinceLastStart(std::optional<int32_t> lastProgramStart, int32_t today) {
    return today - lastProgramStart.value_or(today - 11);
}

std::optional<double> wasDonePercent(std::string_view wasDone, std::string_view decimalSeparator) {
    std::string_view number = dropLastCharacters(wasDone, 2);
    while (!number.empty() && number.front() == ' ')
        number.remove_prefix(1);
    while (!number.empty() && number.back() == ' ')
        number.remove_suffix(1);
    std::string text;
    const size_t at = decimalSeparator.empty() ? std::string_view::npos : number.find(decimalSeparator);
    if (at == std::string_view::npos) {
        text = number;
    } else {
        text.append(number.substr(0, at)).append(".").append(number.substr(at + decimalSeparator.size()));
    }
    // Digits, one point and a minus only: no exponents, no "inf" or "nan".
    if (text.empty() || text.find_first_not_of("0123456789.-") != std::string::npos)
        return std::nullopt;
    double v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

StartDecision decideStartAction(const StartInputs& in) {
    if (!in.arguments.empty())
        return {StartAction::OpenFile, in.arguments.front()};
    if (!in.shiftHeld && in.lastLoad && daysSinceLastStart(in.lastProgramStart, in.today) < 11 &&
        in.firstHistoryEntry && in.firstHistoryEntry->position > 0) {
        const auto percent = wasDonePercent(in.firstHistoryEntry->wasDone, in.decimalSeparator);
        if (percent && *percent <= 99.98)
            return {StartAction::OpenLastBook, {}};
    }
    if (!in.shiftHeld && in.showHistoryOnStart)
        return {StartAction::ShowHistory, {}};
    return {StartAction::Nothing, {}};
}

} // namespace Lecterna
