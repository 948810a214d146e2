#include "sources/gui/HtmlProgressWindow.h"

#include "app/Clock.h"

namespace Lecterna {

namespace {
const QSize kSize(436, 105);
}

HtmlProgressWindow::HtmlProgressWindow(QWidget* parent) : HtmlProgressWindow(SystemClock::instance(), parent) {}

HtmlProgressWindow::HtmlProgressWindow(const Clock& clock, QWidget* parent)
    : ProgressWindow(QStringLiteral("Преобразование HTML в TXT . . ."), kSize, clock, parent) {
    setObjectName(QStringLiteral("Form7"));
}

} // namespace Lecterna
