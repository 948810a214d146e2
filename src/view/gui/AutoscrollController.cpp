#include "view/gui/AutoscrollController.h"

#include "app/Settings.h"
#include "app/gui/MainWindow.h"
#include "app/gui/ReaderActions.h"
#include "view/Reader.h"
#include "view/gui/StatusBar.h"

#include <QAction>

namespace Lecterna {

using K = Settings::Key;

AutoscrollController::AutoscrollController(MainWindow& window, ReadingArea& area, Reader& reader, Settings& settings,
                                           const Clock& clock, std::string decimalSeparator, QObject* parent)
    : QObject(parent), m_window(window), m_reader(reader), m_settings(settings),
      m_decimalSeparator(std::move(decimalSeparator)), m_adapter(area), m_engine(m_adapter, clock),
      m_timer(m_engine, clock) {
    connect(&m_timer, &AutoscrollTimer::stateChanged, this, &AutoscrollController::applyState);
    connect(&m_timer, &AutoscrollTimer::stepped, this, &AutoscrollController::afterSteps);

    ReaderActions& actions = m_window.actions();
    connect(actions.action(ReaderActions::Autoscroll), &QAction::triggered, this, &AutoscrollController::toggle);
    connect(actions.action(ReaderActions::SpeedUp), &QAction::triggered, this, &AutoscrollController::speedUp);
    connect(actions.action(ReaderActions::SlowDown), &QAction::triggered, this, &AutoscrollController::slowDown);
}

AutoscrollController::~AutoscrollController() {
    // The window may stay: its buttons and the priority go back as at any stop, but nobody
    // is told any more.
    blockSignals(true);
    m_engine.stop();
    m_priority.restore();
}

void AutoscrollController::toggle() {
    if (isActive())
        stop();
    else
        start(ScrollDirection::Forwards);
    // A checkable command checks itself when triggered; it shows the run, not the click.
    m_window.actions().action(ReaderActions::Autoscroll)->setChecked(isActive());
}

bool AutoscrollController::start(ScrollDirection direction) {
    if (!m_reader.isOpen())
        return false;
    Autoscroll::Options options;
    options.doublePage = m_settings.flag(K::DoublePageMode);
    // Two pages side by side only turn as pages, whatever the stored type.
    options.type = options.doublePage ? ScrollType::Page : static_cast<ScrollType>(m_settings.integer(K::ScrollType));
    options.viewLastLine = m_settings.flag(K::ViewLastLine);
    m_engine.setOptions(options);
    m_engine.setDelay(m_settings.integer(K::ScrollTimeDelay));
    m_adapter.setIndicatorColor(QColor::fromRgb(static_cast<QRgb>(m_settings.colour(K::UserColors_ScrollProgressBar))));
    const bool started = m_engine.start(direction);
    afterSteps();
    return started;
}

void AutoscrollController::stop() {
    m_engine.stop();
}

void AutoscrollController::pause() {
    m_engine.pause();
}

void AutoscrollController::resume() {
    m_engine.resume();
}

void AutoscrollController::restart(ScrollDirection direction, int moveRows) {
    m_engine.restart(direction, moveRows);
    afterSteps();
}

void AutoscrollController::speedUp() {
    if (!isActive() || !m_engine.canSpeedUp())
        return;
    m_engine.speedUp();
    delayChanged();
}

void AutoscrollController::slowDown() {
    if (!isActive() || !m_engine.canSlowDown())
        return;
    m_engine.slowDown();
    delayChanged();
}

void AutoscrollController::onTimer() {
    m_engine.onTimer();
    afterSteps();
}

void AutoscrollController::delayChanged() {
    m_settings.setInteger(K::ScrollTimeDelay, m_engine.delay());
    showSpeed();
}

void AutoscrollController::afterSteps() {
    if (isActive())
        m_reader.setReadingRow(m_engine.currentLine());
}

void AutoscrollController::showSpeed() {
    if (!isActive())
        return;
    StatusBar& bar = m_window.readerStatusBar();
    bar.showExtraPanel(QString::fromStdString(m_engine.speedText(m_decimalSeparator)), QString::fromUtf8(kSpeedHint));
    ReaderActions& actions = m_window.actions();
    actions.action(ReaderActions::SpeedUp)->setEnabled(m_engine.canSpeedUp());
    actions.action(ReaderActions::SlowDown)->setEnabled(m_engine.canSlowDown());
}

void AutoscrollController::applyState(AutoscrollState state) {
    const bool active = state != AutoscrollState::Stopped;
    ReaderActions& actions = m_window.actions();
    actions.action(ReaderActions::Autoscroll)->setChecked(active);
    if (active != m_shownActive) {
        m_shownActive = active;
        StatusBar& bar = m_window.readerStatusBar();
        bar.setSpeedButtonsShown(active);
        actions.setSpeedKeysActive(active);
        if (active) {
            m_priority.apply(static_cast<ProcessPriority::Level>(m_settings.integer(K::ScrollPriorityLevel)));
        } else {
            m_priority.restore();
            bar.hideExtraPanel();
            m_reader.setReadingRow(std::nullopt);
        }
    }
    showSpeed();
    emit stateChanged(state);
}

} // namespace Lecterna
