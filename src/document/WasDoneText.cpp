#include "document/WasDoneText.h"

#include <charconv>
#include <cmath>

namespace Lecterna::WasDoneText {

std::string format(double percent, std::string_view decimalSeparator) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, percent, std::chars_format::fixed, 2);
    if (ec != std::errc())
        return std::string(kUnknown);
    std::string out;
    for (const char* p = buf; p != end; ++p) {
        if (*p == '.')
            out.append(decimalSeparator);
        else
            out.push_back(*p);
    }
    out.append(" %");
    return out;
}

std::optional<double> parse(std::string_view text, std::string_view decimalSeparator) {
    if (text.size() < 2 || decimalSeparator.empty())
        return std::nullopt;
    text.remove_suffix(2);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);

    // Only the user's separator counts as a decimal point; a point under a comma locale is
    // not a number, as the user's number format would have it.
    std::string number;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(decimalSeparator)) {
            number.push_back('.');
            i += decimalSeparator.size();
            continue;
        }
        const char c = text[i++];
        const bool exponentPart =
            c == 'e' || c == 'E' ||
            ((c == '-' || c == '+') && !number.empty() && (number.back() == 'e' || number.back() == 'E'));
        if (!(c >= '0' && c <= '9') && !exponentPart)
            return std::nullopt;
        number.push_back(c);
    }
    if (number.empty() || !(number.front() == '.' || (number.front() >= '0' && number.front() <= '9')))
        return std::nullopt;
    double v = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), v, std::chars_format::general);
    if (ec != std::errc() || ptr != number.data() + number.size() || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

bool allowsReopen(std::string_view text, std::string_view decimalSeparator) {
    const std::optional<double> v = parse(text, decimalSeparator);
    return v && *v <= kReopenLimit;
}

} // namespace Lecterna::WasDoneText
