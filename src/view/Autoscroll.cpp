#include "view/Autoscroll.h"

#include "app/Clock.h"

#include <algorithm>
#include <cstdio>

namespace Lecterna {

Autoscroll::Autoscroll(AutoscrollView& view, const Clock& clock) : m_view(view), m_clock(clock) {}

// --- Speed ------------------------------------------------------------------------------------

int Autoscroll::spedUp(int delay) {
    const int faster = delay - kDelayStep;
    return faster == 0 ? 1 : std::max(0, faster);
}

int Autoscroll::slowedDown(int delay) {
    return std::min(kSlowestDelay, delay + kDelayStep);
}

std::string Autoscroll::speedText(int delay, bool paused, std::string_view decimalSeparator) {
    if (paused)
        return "Пауза";
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", 100.0 - delay);
    std::string text(number);
    if (const size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text + " %";
}

std::string Autoscroll::speedText(std::string_view decimalSeparator) const {
    return speedText(m_delay, m_state == AutoscrollState::Paused, decimalSeparator);
}

void Autoscroll::setDelay(int delay) {
    delay = std::clamp(delay, 0, kMaxDelay);
    if (delay == m_delay)
        return;
    m_delay = delay;
    if (isActive()) {
        // The step under way keeps its time; the steps after it go at the new speed.
        m_base = m_due;
        m_steps = 0;
        publish();
    }
}

// --- Schedule ---------------------------------------------------------------------------------

int64_t Autoscroll::stepMs() const {
    const bool perPixel = m_run.type == ScrollType::Smooth || m_run.type == ScrollType::Wave;
    return perPixel ? int64_t(m_delay) : int64_t(m_delay) * m_rowHeight;
}

void Autoscroll::scheduleFrom(int64_t base) {
    m_base = base;
    m_steps = 0;
    scheduleNext();
}

void Autoscroll::scheduleNext() {
    ++m_steps;
    m_due = m_base + m_steps * stepMs();
}

void Autoscroll::shiftSchedule(int64_t delta) {
    m_base += delta;
    m_due += delta;
}

std::optional<int64_t> Autoscroll::nextDueMs() const {
    if (m_state != AutoscrollState::Running)
        return std::nullopt;
    return m_due;
}

void Autoscroll::publish() {
    if (!m_observer)
        return;
    if (m_state != m_published || (m_state != AutoscrollState::Stopped && m_direction != m_publishedDirection)) {
        m_published = m_state;
        m_publishedDirection = m_direction;
        m_observer->autoscrollStateChanged(m_state);
    }
    m_observer->autoscrollScheduleChanged();
}

// --- Starting and stopping ----------------------------------------------------------------------

bool Autoscroll::textRemains() const {
    return forwards() ? m_rows > m_c + m_visible : m_c > 0;
}

bool Autoscroll::start(ScrollDirection direction) {
    if (isActive())
        endRun(false);
    beginRun(direction);
    publish();
    return isActive();
}

bool Autoscroll::restart(ScrollDirection direction, int moveRows) {
    if (isActive())
        endRun(false);
    m_view.setTopRow(m_view.topRow() + moveRows);
    beginRun(direction);
    publish();
    return isActive();
}

void Autoscroll::stop() {
    if (!isActive())
        return;
    endRun(false);
    publish();
}

void Autoscroll::beginRun(ScrollDirection direction) {
    m_run = m_options;
    m_direction = direction;
    m_rows = m_view.rowCount();
    m_rowHeight = std::max(1, m_view.rowHeight());
    m_width = m_view.clientWidth();
    m_height = std::max(0, m_view.clientHeight());
    // A row taller than the area still scrolls as a screen of one row.
    m_visible = std::max(1, m_height / m_rowHeight);
    m_partRow = std::max(0, m_height - m_visible * m_rowHeight);
    m_c = m_view.topRow();
    if (!textRemains())
        return; // starting at the end: nothing to scroll, nothing shown

    m_state = AutoscrollState::Running;
    m_view.setRunning(true);
    const int64_t now = m_clock.steadyMs();
    switch (m_run.type) {
    case ScrollType::Page:
        m_pageStart = m_c;
        m_view.setIndicator(m_width - 2, forwards() ? 0 : m_height, forwards() ? 0 : m_height);
        m_pending = Pending::Tick;
        scheduleFrom(now);
        break;
    case ScrollType::Line:
        m_pending = Pending::Tick;
        scheduleFrom(now);
        break;
    case ScrollType::Smooth:
        // The first pixel moves at once; every pixel is followed by its wait.
        m_firstLine = m_c;
        m_pixels = 0;
        m_pending = Pending::Pixel;
        showSmoothPixel();
        scheduleFrom(now);
        break;
    case ScrollType::Wave:
        m_pending = Pending::Pixel;
        beginWave();
        showWavePixel();
        scheduleFrom(now);
        break;
    }
}

void Autoscroll::endRun(bool textUsedUp) {
    const int64_t lastTop = std::max<int64_t>(0, m_rows - m_visible);
    int64_t top = std::clamp<int64_t>(m_c, 0, lastTop);
    if (m_run.type == ScrollType::Wave && !textUsedUp) {
        // Stopped during a wave: back to the page that was being replaced, shifted by the
        // repeated line. When the text is used up the new page stays: it shows the end.
        const int64_t v = m_run.viewLastLine ? 1 : 0;
        top = forwards() ? m_oldTop + v : std::max<int64_t>(0, m_oldTop - v);
    }
    m_c = std::clamp<int64_t>(top, 0, lastTop);

    if (m_dimmed) {
        m_view.setTextDimmed(false);
        m_dimmed = false;
    }
    switch (m_run.type) {
    case ScrollType::Page: m_view.setIndicator(m_width - 2, 0, 0); break;
    case ScrollType::Smooth: m_view.setPixelOffset(0); break;
    case ScrollType::Wave: m_view.setWave(WaveFrame{}); break;
    case ScrollType::Line: break;
    }
    m_view.setTopRow(static_cast<int>(m_c));
    m_view.setRunning(false);
    m_state = AutoscrollState::Stopped;
}

void Autoscroll::pause() {
    if (m_state != AutoscrollState::Running)
        return;
    m_pausedAt = m_clock.steadyMs();
    m_state = AutoscrollState::Paused;
    publish();
}

void Autoscroll::resume() {
    if (m_state != AutoscrollState::Paused)
        return;
    // The pause holds time still: the step under way finishes with what was left of it.
    shiftSchedule(m_clock.steadyMs() - m_pausedAt);
    m_state = AutoscrollState::Running;
    publish();
}

// --- Steps ------------------------------------------------------------------------------------

void Autoscroll::onTimer() {
    if (m_state != AutoscrollState::Running)
        return;
    const int64_t now = m_clock.steadyMs();
    if (now - m_due > kMaxLagMs)
        shiftSchedule(now - m_due);
    while (m_state == AutoscrollState::Running && m_due <= now) {
        const bool instant = m_pending != Pending::Turn && stepMs() == 0;
        perform(m_due);
        // With no delay every wake-up moves one step, as fast as the timer comes back.
        if (instant)
            break;
    }
    publish();
}

void Autoscroll::perform(int64_t due) {
    switch (m_pending) {
    case Pending::Tick:
        if (m_run.type == ScrollType::Page)
            pageTick(due);
        else
            lineTick();
        break;
    case Pending::Turn: pageTurn(due); break;
    case Pending::Pixel: pixelWaited(); break;
    }
}

void Autoscroll::continueAfter() {
    if (!textRemains()) {
        endRun(true);
        return;
    }
    scheduleNext();
}

void Autoscroll::pageTick(int64_t due) {
    const int x = m_width - 2;
    if (forwards()) {
        ++m_c;
        m_view.setIndicator(x, 0, static_cast<int>((m_c - m_pageStart) * m_rowHeight));
    } else {
        --m_c;
        m_view.setIndicator(x, m_height, static_cast<int>(m_height - (m_pageStart - m_c) * m_rowHeight));
    }
    const int64_t read = forwards() ? m_c - m_pageStart : m_pageStart - m_c;
    if (read < m_visible) {
        continueAfter();
        return;
    }
    // A screen has been read: the page turns (both pages in double-page mode), keeping the last
    // line when ViewLastLine is on, after the text has been dimmed for a moment.
    const int64_t v = m_run.viewLastLine ? 1 : 0;
    const int64_t extra = m_run.doublePage ? m_visible : 0;
    m_c = forwards() ? m_c + extra - v : std::max<int64_t>(0, m_c - extra + v);
    m_pageStart = m_c;
    m_view.setTextDimmed(true);
    m_dimmed = true;
    m_pending = Pending::Turn;
    m_due = due + kDimMs;
}

void Autoscroll::pageTurn(int64_t due) {
    m_view.setTopRow(static_cast<int>(m_c));
    m_view.setIndicator(m_width - 2, forwards() ? 0 : m_height, forwards() ? 0 : m_height);
    m_view.setTextDimmed(false);
    m_dimmed = false;
    m_pending = Pending::Tick;
    if (!textRemains()) {
        endRun(true);
        return;
    }
    scheduleFrom(due);
}

void Autoscroll::lineTick() {
    m_c += forwards() ? 1 : -1;
    m_view.setTopRow(static_cast<int>(m_c));
    continueAfter();
}

void Autoscroll::pixelWaited() {
    if (m_run.type == ScrollType::Smooth) {
        // A line is done when its last pixel has had its wait; the first line is short by the
        // part-row that was already showing at the bottom.
        const bool lineDone = forwards() ? (m_pixels + m_partRow) % m_rowHeight == 0 : m_pixels % m_rowHeight == 0;
        if (lineDone) {
            m_c += forwards() ? 1 : -1;
            m_view.setTopRow(static_cast<int>(m_c));
            if (!textRemains()) {
                endRun(true);
                return;
            }
        }
        showSmoothPixel();
    } else {
        if (m_sweep == m_rowHeight) {
            // The line has passed the slot: the slot shows its row of the new page.
            m_slot += forwards() ? 1 : -1;
            m_sweep = 0;
            const bool waveDone = forwards() ? m_slot >= m_slots : m_slot < 0;
            if (waveDone) {
                if (!textRemains()) {
                    endRun(true);
                    return;
                }
                beginWave();
            }
        }
        showWavePixel();
    }
    scheduleNext();
}

void Autoscroll::showSmoothPixel() {
    ++m_pixels;
    // The top row is the current line; the rows are drawn moved by what has scrolled beyond it.
    const int64_t beyond =
        forwards() ? m_pixels - (m_c - m_firstLine) * m_rowHeight : -(m_pixels - (m_firstLine - m_c) * m_rowHeight);
    m_view.setPixelOffset(static_cast<int>(beyond));
}

void Autoscroll::beginWave() {
    // What the screen shows now becomes the list's top: the page the wave replaces.
    m_view.setTopRow(static_cast<int>(m_c));
    m_oldTop = m_c;
    m_c = forwards() ? m_c + m_visible : std::max<int64_t>(0, m_c - m_visible);
    m_slots = m_visible + (m_partRow != 0 ? 1 : 0);
    m_slot = forwards() ? 0 : m_slots - 1;
    m_sweep = 0;
}

void Autoscroll::showWavePixel() {
    ++m_sweep;
    const int h = m_rowHeight;
    WaveFrame frame;
    frame.active = true;
    frame.newTop = static_cast<int>(m_c);
    if (forwards()) {
        frame.newFrom = 0;
        frame.newTo = m_slot;
        frame.clearedFrom = m_slot * h;
        frame.clearedTo = m_slot * h + m_sweep;
        frame.lineY = m_slot * h + m_sweep;
    } else {
        frame.newFrom = m_slot + 1;
        frame.newTo = m_slots;
        frame.clearedFrom = (m_slot + 1) * h - m_sweep;
        frame.clearedTo = (m_slot + 1) * h;
        frame.lineY = (m_slot + 1) * h - 1 - m_sweep;
    }
    m_view.setWave(frame);
}

} // namespace Lecterna
