#pragma once

#include "app/gui/ProgressWindow.h"

namespace Lecterna {

// Shown while an HTML page is turned into plain text.
class HtmlProgressWindow : public ProgressWindow {
    Q_OBJECT
public:
    explicit HtmlProgressWindow(QWidget* parent = nullptr);
    HtmlProgressWindow(const Clock& clock, QWidget* parent = nullptr);
};

} // namespace Lecterna
