#pragma once

#include "app/gui/ProgressWindow.h"

namespace Lecterna {

// Shown while hard-wrapped lines are joined into paragraphs.
class ParagraphProgressWindow : public ProgressWindow {
    Q_OBJECT
public:
    explicit ParagraphProgressWindow(QWidget* parent = nullptr);
    ParagraphProgressWindow(const Clock& clock, QWidget* parent = nullptr);
};

} // namespace Lecterna
