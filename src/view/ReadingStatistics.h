#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Lecterna {

// How much of the book has been read and for how long: the figures of the status bar and of the
// top of the reading area's context menu. The one-second timer of the window calls tick() while
// the window is active, so reading time leaves out time spent in other programs.
class ReadingStatistics {
public:
    // `decimalSeparator` is the user's, as the locale gives it (UTF-8).
    explicit ReadingStatistics(std::string decimalSeparator = ".") : m_separator(std::move(decimalSeparator)) {}
    const std::string& decimalSeparator() const { return m_separator; }

    // A book was opened that had been read for `accumulatedSeconds` before. The seconds of this
    // opening start at -1, so the first tick makes them 0 and shows the times at once.
    void bookOpened(int64_t accumulatedSeconds);
    // One more second of reading, then refresh(). `percentage` is nothing while there are no
    // lines (the last figure stays).
    void tick(std::optional<double> percentage);
    // The percentage at every call; the times only every fifth second of this opening.
    void refresh(std::optional<double> percentage);

    int64_t secondsSinceOpening() const { return m_secondsSinceOpening; }
    // Reading time of the book: before this opening and in it.
    int64_t totalSeconds() const { return m_accumulated + std::max<int64_t>(m_secondsSinceOpening, 0); }
    double percentage() const { return m_percentage; }
    const std::string& percentText() const { return m_percentText; }
    const std::string& timeText() const { return m_timeText; }

    // Share of the book read: the index just past the last visible line (absolute top line +
    // the area's height div the row height), cut to the line count, over the line count.
    // Nothing for an empty book.
    static std::optional<double> percentageRead(int64_t topLine, int64_t visibleRows, int64_t lineCount);
    // "12.34 %" with the given decimal separator.
    static std::string percentText(double percentage, std::string_view decimalSeparator);
    // "h:mm:ss", hours not limited to a day.
    static std::string durationText(int64_t seconds);
    // Elapsed time, and when some of the book has been read, the time the rest should take at
    // the same pace in parentheses: "1:00:05  (3:00:15)".
    static std::string readingTimeText(int64_t seconds, double percentage);
    // Whether the times are refreshed at this second of the opening (every fifth, from 0).
    static bool timesDue(int64_t secondsSinceOpening) {
        return secondsSinceOpening >= 0 && secondsSinceOpening % 5 == 0;
    }
    // "99999 байт" below 100000 bytes, else kilobytes with one decimal: "97.7 КБ".
    static std::string sizeText(uint64_t bytes, std::string_view decimalSeparator);
    // The file-name panel: the name, with its description in parentheses when it has one.
    static std::string fileNameText(std::string_view name, std::string_view description);
    // The four context-menu captions "Прочитано", "Время чтения", "Размер файла", "Название",
    // each with ":" and a TAB before the panel's text; the name panel's text is cut to 15
    // characters and "..." there.
    static std::array<std::string, 4> menuCaptions(std::string_view percent, std::string_view time,
                                                   std::string_view size, std::string_view name);
    // The first `count` characters of a UTF-8 text and "..." when it is longer.
    static std::string shortened(std::string_view text, size_t count);

private:
    std::string m_separator;
    int64_t m_accumulated = 0;
    int64_t m_secondsSinceOpening = -1;
    double m_percentage = 0;
    std::string m_percentText;
    std::string m_timeText;
};

} // namespace Lecterna
