#pragma once

#include <cstddef>

namespace Lecterna {

// What a long text operation (paragraph recognition, HTML conversion) tells the window that
// shows its progress, and how it learns that the reader pressed "Пропустить" (or Esc).
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setMaximum(size_t maximum) = 0;
    virtual void setPosition(size_t position) = 0;
    // Lets the window process pending events (repaint, the skip button); true when the reader
    // asked to skip. Called often: implementations should return at once most of the time.
    virtual bool skipRequested() = 0;
};

// For callers with no window: never skips, shows nothing.
class NullProgress final : public ProgressSink {
public:
    void setMaximum(size_t) override {}
    void setPosition(size_t) override {}
    bool skipRequested() override { return false; }
};

} // namespace Lecterna
