#include "view/ReadingStatistics.h"

#include "document/WasDoneText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace Lecterna {

namespace {

// Fixed-point text independent of the process locale (the Qt side sets LC_NUMERIC from the
// environment), with the user's own separator put in.
std::string fixedText(double value, int precision, std::string_view separator) {
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    std::string out;
    for (const char* p = buf; p != result.ptr; ++p) {
        if (*p == '.')
            out += separator;
        else
            out += *p;
    }
    return out;
}

} // namespace

void ReadingStatistics::bookOpened(int64_t accumulatedSeconds) {
    m_accumulated = accumulatedSeconds;
    m_secondsSinceOpening = -1;
    m_percentage = 0;
    m_percentText.clear();
    m_timeText.clear();
}

void ReadingStatistics::tick(std::optional<double> percentage) {
    ++m_secondsSinceOpening;
    refresh(percentage);
}

void ReadingStatistics::refresh(std::optional<double> percentage) {
    if (percentage) {
        m_percentage = *percentage;
        m_percentText = percentText(m_percentage, m_separator);
    }
    if (timesDue(m_secondsSinceOpening))
        m_timeText = readingTimeText(totalSeconds(), m_percentage);
}

std::optional<double> ReadingStatistics::percentageRead(int64_t topLine, int64_t visibleRows, int64_t lineCount) {
    if (lineCount <= 0)
        return std::nullopt;
    const int64_t end = std::min(topLine + visibleRows, lineCount);
    return static_cast<double>(end) * 100.0 / static_cast<double>(lineCount);
}

std::string ReadingStatistics::percentText(double percentage, std::string_view decimalSeparator) {
    // The same text the book record keeps.
    return WasDoneText::format(percentage, decimalSeparator);
}

std::string ReadingStatistics::durationText(int64_t seconds) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%lld:%.2lld:%.2lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds % 3600 / 60), static_cast<long long>(seconds % 60));
    return buf;
}

std::string ReadingStatistics::readingTimeText(int64_t seconds, double percentage) {
    std::string text = durationText(seconds);
    // Nothing read yet: the pace is unknown, and the remaining time is left out.
    if (percentage > 0) {
        const double remaining = std::ceil(static_cast<double>(seconds) * (100.0 - percentage) / percentage);
        text += "  (" + durationText(static_cast<int64_t>(remaining)) + ")";
    }
    return text;
}

std::string ReadingStatistics::sizeText(uint64_t bytes, std::string_view decimalSeparator) {
    if (bytes < 100000)
        return std::to_string(bytes) + " байт";
    return fixedText(static_cast<double>(bytes) / 1024.0, 1, decimalSeparator) + " КБ";
}

std::string ReadingStatistics::fileNameText(std::string_view name, std::string_view description) {
    std::string text(name);
    if (!description.empty()) {
        text += " (";
        text += description;
        text += ')';
    }
    return text;
}

std::array<std::string, 4> ReadingStatistics::menuCaptions(std::string_view percent, std::string_view time,
                                                           std::string_view size, std::string_view name) {
    auto caption = [](std::string_view label, std::string_view text) {
        std::string s(label);
        s += ":\t";
        s += text;
        return s;
    };
    return {caption("Прочитано", percent), caption("Время чтения", time), caption("Размер файла", size),
            caption("Название", shortened(name, 15))};
}

std::string ReadingStatistics::shortened(std::string_view text, size_t count) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // Count lead bytes only, so a character is never cut in the middle.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == count)
                return std::string(text.substr(0, i)) + "...";
            ++characters;
        }
    }
    return std::string(text);
}

} // namespace Lecterna
