#include "app/gui/MainWindow.h"

#include "app/gui/MainToolBar.h"
#include "app/gui/MessageBoxes.h"
#include "app/gui/RadioMenuItems.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ReaderMenus.h"
#include "app/gui/ReadingContextMenu.h"
#include "view/ReadingStatistics.h"
#include "view/gui/StatusBar.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace Lecterna {

namespace {

QString firstLocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // The name is also the settings section of the window's placement.
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lecterna"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(true);

    m_actions = new ReaderActions(this);
    m_menus = new ReaderMenus(*m_actions, this);
    m_toolBar = new MainToolBar(*m_actions, *m_menus, this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    m_statusBar = new StatusBar(this);
    m_statusBar->setSizeActions(m_actions->action(ReaderActions::FontLarger),
                                m_actions->action(ReaderActions::FontSmaller));
    m_statusBar->setSpeedActions(m_actions->action(ReaderActions::SpeedUp), m_actions->action(ReaderActions::SlowDown));
    m_statusBar->setSegmentMenu(m_menus->segmentMenu());
    setStatusBar(m_statusBar);
    setStatusTarget(m_statusBar);

    m_contextMenu = new ReadingContextMenu(*m_actions, *m_menus, this);
    // The menu opens with the figures the status bar shows at that moment.
    connect(m_contextMenu, &QMenu::aboutToShow, this, [this] {
        const auto text = [this](StatusBar::Panel panel) { return m_statusBar->panelText(panel).toStdString(); };
        const std::array<std::string, 4> captions =
            ReadingStatistics::menuCaptions(text(StatusBar::PercentPanel), text(StatusBar::ReadingTimePanel),
                                            text(StatusBar::FileSizePanel), text(StatusBar::FileNamePanel));
        std::array<QString, 4> shown;
        for (size_t i = 0; i < captions.size(); ++i)
            shown[i] = QString::fromStdString(captions[i]);
        m_contextMenu->setStatisticsCaptions(shown);
    });

    connect(m_actions->action(ReaderActions::Minimize), &QAction::triggered, this, &QWidget::showMinimized);
    connect(m_actions->action(ReaderActions::Exit), &QAction::triggered, this, &QWidget::close);
    connect(m_actions->action(ReaderActions::Help), &QAction::triggered, m_toolBar, &MainToolBar::dropDownHelp);

    setReadingArea(createReadingArea());
    qApp->installEventFilter(this);

    resize(DefaultWidth, DefaultHeight);
    centreOnScreen();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

// The one place that decides what sits in the middle until the reading view exists.
QWidget* MainWindow::createReadingArea() {
    auto* area = new QWidget;
    area->setObjectName(QStringLiteral("readingArea"));
    area->setFocusPolicy(Qt::StrongFocus);
    area->setAutoFillBackground(true);
    area->setBackgroundRole(QPalette::Base);
    return area;
}

void MainWindow::setReadingArea(QWidget* area) {
    setCentralWidget(area);
    area->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* scrollArea = qobject_cast<QAbstractScrollArea*>(area);
    QWidget* origin = scrollArea ? scrollArea->viewport() : area;
    connect(area, &QWidget::customContextMenuRequested, this,
            [this, origin](const QPoint& pos) { showContextMenu(origin->mapToGlobal(pos)); });
    area->setFocus();
}

void MainWindow::setBookOpen(bool open) {
    m_actions->setBookOpen(open);
    m_menus->encodings()->setEnabled(open);
}

void MainWindow::showContextMenu(const QPoint& globalPos) {
    m_contextMenu->popup(globalPos);
}

void MainWindow::centreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && m_keyPreview) {
        // A key event travels from the focused widget up to the window when ignored, passing this
        // filter at every step; preview it once, at the widget that receives it first.
        QWidget* first = focusWidget() ? focusWidget() : this;
        if (watched == first && first->window() == this)
            return m_keyPreview(*static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        for (const std::function<void()>& step : m_closingSteps) {
            try {
                step();
            } catch (...) {
                // Saving at exit reports nothing; the remaining steps must still run.
            }
        }
        setAcceptDrops(false);
        QApplication::restoreOverrideCursor();
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!firstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit fileDropped(path);
}

} // namespace Lecterna
