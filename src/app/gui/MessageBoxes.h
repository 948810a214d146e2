#pragma once

#include <QString>

#include <exception>
#include <vector>

class QWidget;

namespace Lecterna {

class StatusBar;

// The message boxes every part of the program uses for its errors and notices. All are
// application-modal with a single OK button.

// Caption "Ошибка" (replaceable by the language file), stop icon.
void ErrorBox(const QString& text);
// The same box showing the failure's own message, a blank line, then what was being done.
void ErrorBoxWithCause(const QString& text, const QString& cause);
void ErrorBoxWithCause(const QString& text, const std::exception& cause);
// No icon, the given caption.
void InfoBox(const QString& text, const QString& caption);

// The caption of error boxes; the language file may replace the Russian default.
void setErrorCaption(const QString& caption);
QString errorCaption();

// Puts a progress caption ("Loading...", "Wraping...") into the first status bar panel and paints
// it at once, because the long operation that follows keeps the event loop busy.
void ShowStatus(const QString& text);
// The status bar ShowStatus writes to; the main window registers its own. Null detaches.
void setStatusTarget(StatusBar* statusBar);

// Keeps the interface alive for at least `ms` milliseconds of a monotonic clock: events are
// processed meanwhile, so keys reach their handlers during autoscroll waits.
void WaitWithMessages(int ms);

// While one of these exists, the boxes above are recorded instead of shown, so that tests can
// check what the program would have said without a modal loop.
class RecordedMessageBoxes {
public:
    enum class Kind { Error, Info };
    struct Box {
        Kind kind;
        QString caption;
        QString text;
    };

    RecordedMessageBoxes();
    ~RecordedMessageBoxes();
    RecordedMessageBoxes(const RecordedMessageBoxes&) = delete;
    RecordedMessageBoxes& operator=(const RecordedMessageBoxes&) = delete;

    const std::vector<Box>& boxes() const { return m_boxes; }
    void record(Box box) { m_boxes.push_back(std::move(box)); }

private:
    std::vector<Box> m_boxes;
    RecordedMessageBoxes* m_previous;
};

} // namespace Lecterna
