#pragma once

#include <cstdint>

namespace Lecterna {

// Time as the program reads it, so that tests can move it by hand: the reading-time count, the
// ten-second rule, the eleven-day rule and autoscroll all ask this object.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds of a monotonic counter (the tick count).
    virtual int64_t steadyMs() const = 0;
    // Today's date in the local time zone, as days since 1970-01-01.
    virtual int32_t today() const = 0;
};

class SystemClock final : public Clock {
public:
    int64_t steadyMs() const override;
    int32_t today() const override;
    static SystemClock& instance();
};

class ManualClock final : public Clock {
public:
    int64_t steadyMs() const override { return m_ms; }
    int32_t today() const override { return m_day; }
    void advanceMs(int64_t ms) { m_ms += ms; }
    void setToday(int32_t day) { m_day = day; }

private:
    int64_t m_ms = 1'000'000;
    int32_t m_day = 20000;
};

} // namespace Lecterna
