#include "view/gui/NavigationController.h"

#include "app/Settings.h"
#include "app/gui/FullScreenSwitcher.h"
#include "app/gui/MainToolBar.h"
#include "app/gui/MainWindow.h"
#include "app/gui/ScreenSaverInhibitor.h"
#include "view/PositionScaling.h"
#include "view/Reader.h"
#include "view/gui/AutoscrollController.h"
#include "view/gui/ReadingArea.h"
#include "view/gui/ReadingController.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cstdlib>

namespace Lecterna {

using K = Settings::Key;

namespace {

// How long after a switch of full screen a late resize from the window system still gets the
// remembered top row back.
constexpr int kKeepTopMs = 1000;

} // namespace

NavigationController::NavigationController(MainWindow& window, ReadingController& controller, Settings& settings,
                                           const Clock& clock, std::string decimalSeparator)
    : m_window(window), m_controller(controller), m_reader(controller.reader()), m_area(controller.area()),
      m_settings(settings) {
    m_autoscroll =
        std::make_unique<AutoscrollController>(window, m_area, m_reader, settings, clock, std::move(decimalSeparator));
    connect(m_autoscroll.get(), &AutoscrollController::stateChanged, this, [this](AutoscrollState state) {
        const bool active = state != AutoscrollState::Stopped;
        if (m_fullScreen)
            m_fullScreen->setHotSpotSuspended(active);
        if (!active && m_refreshAfterStop)
            m_controller.refresh(); // the percentage counts from the top row again
    });
    // Every command stops autoscroll before it runs (these connections come before the
    // commands'), except those that steer the run itself.
    ReaderActions& actions = window.actions();
    for (int i = 0; i < ReaderActions::Count; ++i) {
        const auto id = static_cast<ReaderActions::Id>(i);
        if (id != ReaderActions::Autoscroll && id != ReaderActions::SpeedUp && id != ReaderActions::SlowDown)
            connect(actions.action(id), &QAction::triggered, this, &NavigationController::stopAutoscroll);
    }

    m_fullScreen = new FullScreenSwitcher(window);
    connect(m_fullScreen, &FullScreenSwitcher::aboutToSwitch, this, &NavigationController::aboutToSwitchScreen);
    connect(m_fullScreen, &FullScreenSwitcher::switched, this, &NavigationController::screenSwitched);
    connect(window.actions().action(ReaderActions::FullScreen), &QAction::triggered, this, [this] {
        // A Word document keeps its own window.
        if (!m_word.documentShown())
            m_fullScreen->toggle();
        m_window.actions().action(ReaderActions::FullScreen)->setChecked(m_fullScreen->isFullScreen());
    });
    m_keepTopAfterSwitch.setSingleShot(true);
    m_keepTopAfterSwitch.setInterval(kKeepTopMs);
    connect(&m_area, &ReadingArea::clientSizeChanged, this, [this] {
        if (m_keepTopAfterSwitch.isActive())
            restoreTopAfterSwitch();
    });

    m_screenSaver = new ScreenSaverInhibitor(window);

    window.setKeyPreview([this](QKeyEvent& event) { return keyEvent(event); });
    connect(&m_area, &ReadingArea::mousePressed, this, &NavigationController::mousePressed);
    connect(&m_area, &ReadingArea::mouseReleased, this, [this](QPoint, Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            m_clickRepeat.stop();
    });
    connect(&m_area, &ReadingArea::wheelTurned, this, &NavigationController::wheelTurned);
    m_clickRepeat.setInterval(kClickRepeatMs);
    connect(&m_clickRepeat, &QTimer::timeout, this, &NavigationController::click);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            m_ignoreNextClick = true;
    });

    window.installEventFilter(this);
    m_area.installEventFilter(this);
    m_area.viewport()->installEventFilter(this);

    // Before the settings are saved: a run stopped, and the window's own rectangle to remember
    // rather than the whole screen.
    window.addClosingStep([self = QPointer<NavigationController>(this)] {
        if (!self)
            return;
        self->stopAutoscroll();
        if (self->m_fullScreen)
            self->m_fullScreen->setFullScreen(false);
    });
}

NavigationController::~NavigationController() {
    m_window.setKeyPreview(nullptr);
}

void NavigationController::stopAutoscroll() {
    m_autoscroll->stop();
}

void NavigationController::rowsReplaced() {
    if (!m_autoscroll->isActive())
        return;
    // Called from the window's refresh, which goes on to show the session's place.
    m_refreshAfterStop = false;
    stopAutoscroll();
    m_refreshAfterStop = true;
}

void NavigationController::applyStartOptions() {
    if (m_settings.flag(K::StartInFullScreen) && !m_word.documentShown()) {
        m_fullScreen->setFullScreen(true);
        m_window.actions().action(ReaderActions::FullScreen)->setChecked(true);
    }
}

// --- Events -----------------------------------------------------------------------------------

bool NavigationController::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ActivationChange:
        if (watched == &m_window) {
            // Another window took the keys, or the reader came back: either way the run ends.
            stopAutoscroll();
            if (!m_window.isActiveWindow())
                m_clickRepeat.stop();
        }
        break;
    case QEvent::Resize:
        if (watched == &m_area)
            stopAutoscroll();
        break;
    case QEvent::Wheel:
        // The area reports whole notches; the modifiers held are taken here on the way.
        if (watched == m_area.viewport())
            m_wheelModifiers = static_cast<QWheelEvent*>(event)->modifiers();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

bool NavigationController::keyEvent(QKeyEvent& event) {
    // Every key goes through the map, which follows the right Alt key's presses and releases.
    const std::optional<KeyInput> input = m_keys.translate(event);
    if (!input || !m_reader.isOpen())
        return false;
    if (run(KeyHandler::decide(*input, keyContext())))
        return true;
    // Left and Right have no row in the key table; they move the unwrapped text sideways a
    // little, as a list's own keys do.
    const bool left = event.key() == Qt::Key_Left, right = event.key() == Qt::Key_Right;
    if (event.type() == QEvent::KeyPress && (left || right) && input->modifiers == NoModifier) {
        m_area.horizontalScrollBar()->triggerAction(left ? QAbstractSlider::SliderSingleStepSub
                                                         : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
    return false;
}

KeyContext NavigationController::keyContext() const {
    KeyContext context;
    context.autoscroll = m_autoscroll->state();
    context.doublePage = m_area.doublePageMode();
    context.escape = static_cast<EscapeAction>(m_settings.integer(K::ExcapeKeyAction));
    return context;
}

void NavigationController::mousePressed(QPoint pos, Qt::MouseButton button) {
    const bool ignored = m_ignoreNextClick;
    m_ignoreNextClick = false;
    if (ignored || button != Qt::LeftButton || !m_reader.isOpen() || !m_settings.flag(K::ScrollByMouse))
        return;
    Paging::ClickArea area;
    area.width = m_area.viewport()->width();
    area.height = m_area.viewport()->height();
    area.wordWrap = m_reader.view().wordWrapOn;
    area.extent = m_area.horizontalExtent();
    area.doublePage = m_area.doublePageMode();
    m_click = Paging::click(pos.x(), pos.y(), area);
    // A page turned by hand ends a run, as a key would.
    stopAutoscroll();
    click();
    m_clickRepeat.start();
}

void NavigationController::click() {
    if (!m_reader.isOpen()) {
        m_clickRepeat.stop();
        return;
    }
    QScrollBar* sideways = m_area.horizontalScrollBar();
    const int width = m_area.viewport()->width();
    switch (m_click) {
    case Paging::Click::ScrollLeft:
        scrollSideways(Paging::horizontalScreen(sideways->value(), -1, width, m_area.horizontalExtent()));
        break;
    case Paging::Click::ScrollRight:
        scrollSideways(Paging::horizontalScreen(sideways->value(), +1, width, m_area.horizontalExtent()));
        break;
    case Paging::Click::PageBack: move(Paging::back(pageView())); break;
    case Paging::Click::PageForward: move(Paging::forward(pageView())); break;
    }
}

void NavigationController::wheelTurned(int notches) {
    if (!m_reader.isOpen())
        return;
    const unsigned modifiers = QtKeyMap::modifiersOf(m_wheelModifiers);
    for (int i = 0; i < std::abs(notches); ++i)
        run(KeyHandler::wheelNotch(notches > 0, modifiers, keyContext()));
}

// --- Commands -----------------------------------------------------------------------------------

bool NavigationController::run(KeyCommand command) {
    using C = KeyCommand;
    using A = ReaderActions;
    const int screen = static_cast<int>(Paging::screen(m_autoscroll->engine().visibleRows()));
    switch (command) {
    case C::None: return false;
    // Commands of the action list reach the key table only when their shortcut did not take the
    // key (the command is disabled); the wheel's font steps come this way too.
    case C::Help: trigger(A::Help); break;
    case C::OpenFile: trigger(A::Open); break;
    case C::History: trigger(A::History); break;
    case C::Settings: trigger(A::Settings); break;
    case C::Find: trigger(A::Find); break;
    case C::GoTo: trigger(A::GoTo); break;
    case C::ChooseFont: trigger(A::ChooseFont); break;
    case C::FitSize:
    case C::FitSizeWithAlt: trigger(A::FitSize); break;
    case C::Minimize: trigger(A::Minimize); break;
    case C::FontLarger:
        stopAutoscroll(); // hands the command its keypad key and its enabled state back
        trigger(A::FontLarger);
        break;
    case C::FontSmaller:
        stopAutoscroll();
        trigger(A::FontSmaller);
        break;
    case C::LineSpacingSingle: trigger(A::LineSingle); break;
    case C::LineSpacingOneAndHalf: trigger(A::LineOneAndHalf); break;
    case C::LineSpacingDouble: trigger(A::LineDouble); break;
    case C::LineSpacingMaximum: trigger(A::LineMaximum); break;
    case C::LineSpacingCustom: trigger(A::LineCustom); break;

    case C::SwitchEncoding: viewCommand([this] { m_reader.switchDosWindows(); }); break;
    case C::DropDownEncodings: m_window.toolBar().dropDownEncoding(); break;
    case C::ContextMenu: m_window.showContextMenu(QCursor::pos()); break;
    case C::ScrollToLeftEnd: scrollSideways(0); break;
    case C::ScrollToRightEnd: scrollSideways(m_area.horizontalScrollBar()->maximum()); break;
    case C::SegmentStart: moveTo(0); break;
    case C::SegmentEnd: moveTo(m_reader.segments().linesInSegment()); break;
    case C::PageBack:
        if (!m_word.pageScroll(-1))
            move(Paging::back(pageView()));
        break;
    case C::PageForward:
        if (!m_word.pageScroll(+1))
            move(Paging::forward(pageView()));
        break;
    case C::SpaceForward: move(Paging::spaceForward(pageView())); break;
    case C::RightAltBack: move(Paging::rightAltBack(pageView())); break;
    case C::LineUp: move(Paging::lineUp(pageView())); break;
    case C::LineDown: move(Paging::lineDown(pageView())); break;
    case C::PreviousSegment: move(PageMove::previous()); break;
    case C::NextSegment: move(PageMove::next()); break;
    case C::AutoscrollBackwards: m_autoscroll->start(ScrollDirection::Backwards); break;
    case C::CloseApplication: m_window.close(); break;
    case C::MinimizeToTray: m_window.showMinimized(); break; // no tray icon yet

    case C::PauseAutoscroll: m_autoscroll->pause(); break;
    case C::ResumeAutoscroll: m_autoscroll->resume(); break;
    case C::AutoscrollScreenBack: m_autoscroll->restart(ScrollDirection::Backwards, -screen); break;
    case C::AutoscrollScreenForward: m_autoscroll->restart(ScrollDirection::Forwards, screen); break;
    case C::AutoscrollLineBack: m_autoscroll->restart(ScrollDirection::Backwards, -1); break;
    case C::AutoscrollLineForward: m_autoscroll->restart(ScrollDirection::Forwards, 1); break;
    case C::SpeedUp: m_autoscroll->speedUp(); break;
    case C::SlowDown: m_autoscroll->slowDown(); break;
    case C::StopAutoscroll: stopAutoscroll(); break;
    }
    return true;
}

void NavigationController::trigger(ReaderActions::Id id) {
    QAction* action = m_window.actions().action(id);
    if (action->isEnabled())
        action->trigger();
}

void NavigationController::viewCommand(const std::function<void()>& change) {
    stopAutoscroll();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    change();
    QApplication::restoreOverrideCursor();
    m_controller.refresh();
}

PageView NavigationController::pageView() const {
    PageView view;
    view.top = m_reader.topRow();
    view.rows = m_reader.segments().linesInSegment();
    view.linesPerPage = m_reader.linesPerPage();
    view.visibleRows = std::max(1, m_reader.visibleRows());
    view.viewLastLine = m_settings.flag(K::ViewLastLine);
    view.doublePage = m_area.doublePageMode();
    return view;
}

void NavigationController::move(const PageMove& move) {
    m_keepTopAfterSwitch.stop();
    switch (move.kind) {
    case PageMove::Kind::Top: m_reader.setTopRow(move.top); break;
    case PageMove::Kind::NextSegment: m_reader.nextSegment(); break;
    case PageMove::Kind::PreviousSegment: m_reader.previousSegment(); break;
    }
    m_controller.refresh();
}

void NavigationController::moveTo(int64_t top) {
    move(PageMove::to(top));
}

void NavigationController::scrollSideways(int value) {
    m_area.horizontalScrollBar()->setValue(value);
}

// --- Full screen --------------------------------------------------------------------------------

void NavigationController::aboutToSwitchScreen() {
    stopAutoscroll();
    // Back and forth without moving in between comes back to the place of the first switch,
    // not to where the larger screen had to push the last page.
    if (m_reader.currentPosition() != m_lineAfterSwitch ||
        static_cast<int64_t>(m_reader.lines().count()) != m_lineCountAfterSwitch) {
        m_lineBeforeSwitch = m_reader.currentPosition();
        m_lineCountBeforeSwitch = static_cast<int64_t>(m_reader.lines().count());
    }
}

void NavigationController::screenSwitched(bool fullScreen) {
    m_window.actions().action(ReaderActions::FullScreen)->setChecked(fullScreen);
    m_keepTopAfterSwitch.start();
    restoreTopAfterSwitch();
}

void NavigationController::restoreTopAfterSwitch() {
    // On the way the taller window may have pushed the top back while the last page was in view,
    // and a new width laid the text out again from there. The place before the switch counts.
    const int64_t count = static_cast<int64_t>(m_reader.lines().count());
    if (count != m_lineCountBeforeSwitch) {
        m_lineBeforeSwitch = scaleTopLine(m_lineBeforeSwitch, m_lineCountBeforeSwitch, count);
        m_lineCountBeforeSwitch = count;
    }
    m_reader.goToLine(m_lineBeforeSwitch);
    m_controller.refresh();
    m_lineAfterSwitch = m_reader.currentPosition();
    m_lineCountAfterSwitch = count;
}

} // namespace Lecterna
