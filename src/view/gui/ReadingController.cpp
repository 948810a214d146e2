#include "view/gui/ReadingController.h"

#include "app/SavedState.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MessageBoxes.h"
#include "app/gui/RadioMenuItems.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ReaderMenus.h"
#include "app/gui/ReadingContextMenu.h"
#include "dialogs/gui/BookmarksCommand.h"
#include "document/FileTypes.h"
#include "sources/gui/HtmlProgressWindow.h"
#include "view/gui/CursorHider.h"
#include "view/gui/DisplayTable.h"
#include "view/gui/FontCommands.h"
#include "view/gui/NavigationController.h"
#include "view/gui/ParagraphProgressWindow.h"
#include "view/gui/QtByteMetrics.h"
#include "view/gui/ReadingArea.h"
#include "view/gui/ReadingPulse.h"
#include "view/gui/StatusBar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>

namespace Lecterna {

using K = Settings::Key;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QColor fromRgb(uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u)); }

// The status captions of the steps of a text rebuild.
const char* stageCaption(RecodeStage stage) {
    switch (stage) {
    case RecodeStage::Decoding: return "Coding...";
    case RecodeStage::Html: return "Html-converting...";
    case RecodeStage::SymbolHiding: return "Symbol hiding...";
    case RecodeStage::Paragraphs: return "Txt-converting...";
    default: return nullptr;
    }
}

} // namespace

ReadingController::ReadingController(MainWindow& window, SavedState& state, std::string decimalSeparator,
                                     QObject* parent, const Clock& clock)
    : QObject(parent), m_window(window), m_state(state), m_area(new ReadingArea(&window)),
      m_pulse(new ReadingPulse(window, this)), m_cursorHider(new CursorHider(*m_area, this)) {
    m_area->setObjectName(QStringLiteral("ReadingArea"));
    m_window.setReadingArea(m_area);
    m_reader = std::make_unique<Reader>(state.settings, state.history, state.templates(), state.pipeline, *this,
                                        decimalSeparator);

    QStringList captions;
    for (const EncodingItem& item : state.pipeline.menu().items())
        captions << (item.separator ? RadioMenuItems::separator() : qs(item.caption));
    m_window.menus().encodings()->setItems(captions);

    connect(m_area, &ReadingArea::clientSizeChanged, this, [this](QSize size) {
        m_reader->setClientSize(size.width(), size.height());
        refresh();
    });
    connect(m_area, &ReadingArea::topRowChanged, this, [this](int row) {
        if (!m_refreshing && row != m_reader->topRow()) {
            m_reader->setTopRow(row);
            m_reader->refreshStatistics();
            updateStatusPanels();
        }
    });

    connect(m_pulse, &ReadingPulse::secondElapsed, this, &ReadingController::secondElapsed);
    // Font smoothing is the reader's own only while the window is active.
    connect(m_pulse, &ReadingPulse::activationChanged, this, [this] { m_area->viewport()->update(); });
    ReaderMenus& menus = m_window.menus();
    for (QMenu* menu : {menus.encodingMenu(), menus.textMenu(), menus.helpMenu(), menus.segmentMenu()})
        m_cursorHider->watch(menu);
    // The figures at the top of the context menu are those of the moment it opens.
    connect(&m_window.contextMenu(), &QMenu::aboutToShow, this, [this] {
        m_reader->refreshStatistics();
        updateStatusPanels();
    });

    // Before the commands are connected: autoscroll stops before any of them runs.
    m_navigation =
        std::make_unique<NavigationController>(window, *this, state.settings, clock, std::move(decimalSeparator));
    m_fontCommands = std::make_unique<FontCommands>(m_window, *m_reader, state.settings, [this] { refresh(); });
    connectCommands();
    new BookmarksCommand(m_window, *this, this);
    applySettings();
    const QSize size = m_area->viewport()->size();
    m_reader->setClientSize(size.width(), size.height());
}

ReadingController::~ReadingController() = default;

// --- Opening ----------------------------------------------------------------------------------

bool ReadingController::openFile(const QString& path) {
    const Settings& s = m_state.settings;
    FileTypes::Switches switches;
    switches.htmlConverter = s.flag(K::HtmlParam_UseConverter);
    switches.cooperation = s.integer(K::Cooperation);
    switches.docConverter = s.flag(K::DocParam_UseConverter);
    TBook request;
    request.fileName = path.toStdString();
    request.fileType = FileTypes::forFileName(request.fileName, switches);
    return openBook(request);
}

bool ReadingController::openBook(const TBook& request) {
    m_navigation->stopAutoscroll();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QSize size = m_area->viewport()->size();
    m_reader->setClientSize(size.width(), size.height());
    const bool opened = m_reader->open(request);
    QApplication::restoreOverrideCursor();
    m_window.setBookOpen(m_reader->isOpen());
    // In two-page mode word wrap is always on.
    m_window.actions().action(ReaderActions::WordWrap)
        ->setEnabled(m_reader->isOpen() && !m_state.settings.flag(K::DoublePageMode));
    m_pulse->setBookOpen(m_reader->isOpen());
    refresh();
    emit bookChanged();
    return opened;
}

void ReadingController::openChosenFile() {
    // A plain file chooser until the library dialog takes this command over.
    const QString path = QFileDialog::getOpenFileName(&m_window, QStringLiteral("Открыть файл"), QString(), QString(),
                                                      nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        openFile(path);
}

// --- Keeping the view in step ----------------------------------------------------------------

void ReadingController::applySettings() {
    const Settings& s = m_state.settings;
    m_area->setDoublePageMode(s.flag(K::DoublePageMode));
    m_area->setMargins(s.integer(K::LeftMargin), s.integer(K::RightMargin));
    m_area->setTextColor(fromRgb(s.colour(K::UserColors_Text)));
    m_area->setBackgroundColor(fromRgb(s.colour(K::UserColors_Background)));
    m_area->setTextureFileName(qs(s.text(K::UserColors_TextureFileName)));
    m_area->setFontSmoothing(s.flag(K::FontSmoothing));
    m_cursorHider->setEnabled(s.flag(K::HideCursor));
}

void ReadingController::refresh() {
    m_refreshing = true;
    const Reader& r = *m_reader;
    const Segments& seg = r.segments();
    // A new layout or another segment: the area takes the rows again.
    if (m_shownGeneration != r.layoutGeneration() || m_shownSegment != seg.currentSegment()) {
        m_navigation->rowsReplaced(); // a run cannot go on over rows it did not measure
        m_shownGeneration = r.layoutGeneration();
        m_shownSegment = seg.currentSegment();
        m_area->setLines(&r.lines(), static_cast<size_t>(seg.currentSegment() * seg.segmentSize()),
                         static_cast<int>(seg.linesInSegment()));
    }
    m_area->setRowHeight(r.rowHeight());
    m_area->setJustification(r.view().textJustificationOn);
    m_area->setHorizontalExtent(r.horizontalExtent());
    m_area->setTopRow(static_cast<int>(r.topRow()));
    m_area->viewport()->update();
    m_refreshing = false;

    StatusBar& bar = m_window.readerStatusBar();
    bar.setSegmentPanelShown(seg.panelVisible());
    bar.setCurrentSegment(static_cast<int>(seg.currentSegment()));
    bar.setNextSegmentEnabled(seg.nextEnabled());
    QStringList segmentCaptions;
    for (const Segments::MenuItem& item : seg.menu())
        segmentCaptions << qs(item.caption);
    RadioMenuItems* segments = m_window.menus().segments();
    if (segments->count() != segmentCaptions.size())
        segments->setItems(segmentCaptions);
    segments->setCurrent(static_cast<int>(seg.currentSegment()));

    m_reader->refreshStatistics();
    updateStatusPanels();
    updateChecks();
}

void ReadingController::updateStatusPanels() {
    StatusBar& bar = m_window.readerStatusBar();
    const Reader& r = *m_reader;
    if (!r.isOpen()) {
        bar.setPanelText(StatusBar::FileNamePanel, QString());
        return;
    }
    const ReadingStatistics& stats = r.statistics();
    bar.setPanelText(StatusBar::PercentPanel, qs(stats.percentText()));
    bar.setPanelText(StatusBar::ReadingTimePanel, qs(stats.timeText()));
    bar.setPanelText(StatusBar::FileSizePanel, qs(r.sizeText()));
    bar.setPanelText(StatusBar::FileNamePanel, qs(r.fileNameText()));
    const auto captions = ReadingStatistics::menuCaptions(stats.percentText(), stats.timeText(), r.sizeText(),
                                                          r.fileNameText());
    m_window.contextMenu().setStatisticsCaptions(
        {qs(captions[0]), qs(captions[1]), qs(captions[2]), qs(captions[3])});
}

void ReadingController::updateChecks() {
    const ViewState& v = m_reader->view();
    ReaderActions& a = m_window.actions();
    a.action(ReaderActions::WordWrap)->setChecked(v.wordWrapOn);
    a.action(ReaderActions::Justify)->setChecked(v.textJustificationOn);
    a.action(ReaderActions::ShowAllSymbols)->setChecked(v.viewAllSymbolsOn);
    a.action(ReaderActions::RecogniseParagraphs)->setChecked(v.paragraphSearchOn);
    const QList<QAction*> spacing = a.lineSpacingGroup()->actions();
    if (v.lineSpacing >= 0 && v.lineSpacing < spacing.size())
        spacing[v.lineSpacing]->setChecked(true);
    const QList<QAction*> letters = a.letterSpacingGroup()->actions();
    const int letter = (v.letterSpacingMode == 1 || v.letterSpacingMode == 3) ? v.letterSpacingMode - 1 : 1;
    if (letter < letters.size())
        letters[letter]->setChecked(true);
    m_window.menus().encodings()->setCurrent(v.encoding);
    a.action(ReaderActions::FontLarger)->setEnabled(m_reader->isOpen() && m_reader->canStepFont(+1));
    a.action(ReaderActions::FontSmaller)->setEnabled(m_reader->isOpen() && m_reader->canStepFont(-1));
}

void ReadingController::secondElapsed() {
    m_cursorHider->second();
    if (!m_reader->isOpen())
        return;
    m_reader->tick();
    updateStatusPanels();
}

// --- Commands ---------------------------------------------------------------------------------

void ReadingController::connectCommands() {
    ReaderActions& a = m_window.actions();
    auto command = [this](ReaderActions::Id id, auto&& run) {
        connect(m_window.actions().action(id), &QAction::triggered, this, [this, run] {
            if (!m_reader->isOpen())
                return;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            run();
            QApplication::restoreOverrideCursor();
            refresh();
        });
    };
    command(ReaderActions::WordWrap, [this] { m_reader->setWordWrap(!m_reader->view().wordWrapOn); });
    command(ReaderActions::Justify, [this] { m_reader->setJustification(!m_reader->view().textJustificationOn); });
    command(ReaderActions::ShowAllSymbols, [this] { m_reader->toggleAllSymbols(); });
    command(ReaderActions::RecogniseParagraphs, [this] { m_reader->toggleParagraphs(); });
    command(ReaderActions::ResetFormat, [this] { m_reader->resetFormat(); });
    command(ReaderActions::FontLarger, [this] { m_reader->stepFont(+1); });
    command(ReaderActions::FontSmaller, [this] { m_reader->stepFont(-1); });
    const QList<QAction*> spacing = a.lineSpacingGroup()->actions();
    for (int i = 0; i < spacing.size(); ++i)
        command(static_cast<ReaderActions::Id>(ReaderActions::LineSingle + i), [this, i] { m_reader->setLineSpacing(i); });
    const int letterModes[] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        const int mode = letterModes[i];
        command(static_cast<ReaderActions::Id>(ReaderActions::LettersCondensed + i),
                [this, mode] { m_reader->setLetterSpacingMode(mode); });
    }

    connect(m_window.menus().encodings(), &RadioMenuItems::chosen, this, [this](int index) {
        if (!m_reader->isOpen())
            return;
        m_navigation->stopAutoscroll();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_reader->chooseEncoding(index);
        QApplication::restoreOverrideCursor();
        refresh();
    });
    connect(m_window.menus().segments(), &RadioMenuItems::chosen, this, [this](int index) {
        m_navigation->stopAutoscroll();
        m_reader->chooseSegment(index);
        refresh();
    });
    connect(&m_window.readerStatusBar(), &StatusBar::nextSegmentRequested, this, [this] {
        m_navigation->stopAutoscroll();
        m_reader->nextSegment();
        refresh();
    });

    connect(a.action(ReaderActions::Open), &QAction::triggered, this, &ReadingController::openChosenFile);
    connect(&m_window, &MainWindow::fileDropped, this, [this](const QString& path) { openFile(path); });
}

// --- ReaderHost -------------------------------------------------------------------------------

const CodePage& ReadingController::codePage(int number) {
    auto it = m_codePages.find(number);
    if (it == m_codePages.end())
        it = m_codePages.emplace(number, CodePage(number)).first;
    return it->second;
}

ByteMetrics ReadingController::prepareFont(const ReadingFont& font, int displayCodePage, bool showAllSymbols,
                                           int letterSpacing) {
    ReadingFontSpec fontSpec;
    fontSpec.family = qs(font.name);
    fontSpec.pixelSize = font.pixelHeight;
    fontSpec.bold = font.bold;
    const QtByteMetrics metrics =
        QtByteMetrics::create(fontSpec, DisplayTable::forCodePage(codePage(displayCodePage), showAllSymbols), letterSpacing);
    m_area->setReadingFont(metrics);
    return metrics.metrics();
}

double ReadingController::screenDpi() const { return m_area->logicalDpiY(); }

int ReadingController::scrollBarWidth() const { return m_area->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

void ReadingController::showStatus(std::string_view text) { ShowStatus(qs(text)); }

void ReadingController::errorBox(const std::string& text) { ErrorBox(qs(text)); }

void ReadingController::infoBox(const std::string& text, const std::string& caption) { InfoBox(qs(text), qs(caption)); }

ProgressSink& ReadingController::stageStarted(RecodeStage stage) {
    if (const char* caption = stageCaption(stage))
        ShowStatus(QString::fromLatin1(caption));
    if (stage == RecodeStage::Html)
        m_progress = std::make_unique<HtmlProgressWindow>(&m_window);
    else if (stage == RecodeStage::Paragraphs)
        m_progress = std::make_unique<ParagraphProgressWindow>(&m_window);
    else
        return m_nullProgress;
    m_progress->showNow();
    return *m_progress;
}

void ReadingController::stageFinished(RecodeStage) { m_progress.reset(); }

} // namespace Lecterna
