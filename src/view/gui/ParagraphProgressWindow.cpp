#include "view/gui/ParagraphProgressWindow.h"

#include "app/Clock.h"

namespace Lecterna {

namespace {
const QSize kSize(436, 105);
}

ParagraphProgressWindow::ParagraphProgressWindow(QWidget* parent)
    : ParagraphProgressWindow(SystemClock::instance(), parent) {}

ParagraphProgressWindow::ParagraphProgressWindow(const Clock& clock, QWidget* parent)
    : ProgressWindow(QStringLiteral("Выделение абзацев в тексте . . ."), kSize, clock, parent) {
    setObjectName(QStringLiteral("Form13"));
}

} // namespace Lecterna
