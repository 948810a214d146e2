#include "view/Reader.h"

#include "app/PipelineSettings.h"
#include "app/Settings.h"
#include "document/CodePage.h"
#include "document/FileTypes.h"
#include "document/OpeningView.h"
#include "document/ParamTemplates.h"
#include "document/WholeFile.h"
#include "view/ControlCharacters.h"
#include "view/FontCharsets.h"
#include "view/LetterSpacing.h"
#include "view/LineLayout.h"
#include "view/LineSpacing.h"
#include "view/PageGeometry.h"
#include "view/PositionScaling.h"
#include "view/SizeFitting.h"

#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace Lecterna {

using K = Settings::Key;

namespace {

constexpr int kMinFontHeight = 2;
constexpr int kMaxFontHeight = 255;

std::string formatted(std::string_view format, std::string_view value) {
    const size_t at = format.find("%s");
    if (at == std::string_view::npos)
        return std::string(format);
    std::string text;
    text.reserve(format.size() + value.size());
    text.append(format.substr(0, at)).append(value).append(format.substr(at + 2));
    return text;
}

int pixelsForPoints(int points, double dpi) {
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

} // namespace

Reader::Reader(Settings& settings, HistoryList& history, const ParamTemplates& templates, TextPipeline& pipeline,
               ReaderHost& host, std::string decimalSeparator)
    : m_settings(settings), m_history(history), m_templates(templates), m_pipeline(pipeline), m_host(host),
      m_stats(std::move(decimalSeparator)) {}

// --- The book ---------------------------------------------------------------------------------

bool Reader::open(TBook request) {
    if (m_open) {
        try {
            storeBookState();
        } catch (...) {
            // Opening goes on: losing a reading position is better than refusing a book.
            closeBook();
        }
    }

    const int cooperation = m_settings.integer(K::Cooperation);
    request.templ = &m_templates.forFileType(request.fileType, cooperation);

    if (request.fileType == FileType::Word) {
        // Documents are converted by an office suite; no converter is connected in this build.
        m_host.errorBox(kCannotConvertText);
        return false;
    }

    m_host.showStatus("Loading...");
    if (request.fileType == FileType::Doc) {
        // The program's own document reader is not part of this build: such files open as bytes.
        request.fileType = FileType::Other;
        m_host.infoBox(kOpenAsTextText, kAttentionCaption);
    }

    std::optional<std::string> bytes = readWholeFile(request.fileName);
    if (!bytes) {
        m_host.errorBox(formatted(kCannotOpenText, fileNameOf(request.fileName)));
        return false;
    }
    m_bytes = std::move(*bytes);

    m_book = request;
    m_book.wordIntegrated = false;
    m_book.wordTotal = 0;
    if (!request.archiveName.empty())
        ::unlink(request.fileName.c_str()); // the extracted copy has been read; the archive keeps the book
    m_open = true;

    m_history.setCurrentIndex(m_history.findInHistory(request));
    const int index = m_history.currentIndex();
    const TBookParam* entry = index >= 0 ? &m_history.at(index).param : nullptr;

    ViewDefaults defaults;
    defaults.fontName = m_settings.text(K::DefaultView_FontName);
    defaults.fontSize = m_settings.integer(K::DefaultView_FontSize);
    defaults.fontBold = m_settings.flag(K::DefaultView_FontBold);
    defaults.characterExtraMode = m_settings.integer(K::DefaultView_CharacterExtraMode);
    defaults.lineSpacing = m_settings.integer(K::DefaultView_LineSpacing);
    defaults.doublePageMode = m_settings.flag(K::DoublePageMode);
    const EncodingMenu& menu = m_pipeline.menu();
    const OpeningView opening = openingView(
        request, entry, *request.templ, defaults, [&menu](int i) { return menu.canSelect(i); }, false);
    applyOpeningView(opening);
    return true;
}

void Reader::applyOpeningView(const OpeningView& v) {
    if (!v.description.empty())
        m_book.description = v.description;
    m_view.viewAllSymbolsOn = v.viewAllSymbolsOn;
    m_view.paragraphSearchOn = v.paragraphSearchOn;
    m_view.font.name = v.fontName.empty() ? m_settings.text(K::DefaultView_FontName) : v.fontName;
    m_view.font.pixelHeight = v.fontHeight < 0 ? -v.fontHeight : pixelsForPoints(v.fontSize, m_host.screenDpi());
    m_view.font.pixelHeight = std::clamp(m_view.font.pixelHeight, kMinFontHeight, kMaxFontHeight);
    m_view.font.bold = v.fontBold;
    m_view.letterSpacingMode = v.characterExtraMode;
    m_view.wordWrapOn = v.wordWrapOn;
    m_view.textJustificationOn = v.textJustificationOn;
    m_view.lineSpacing = v.lineSpacing;
    m_bookmarks = v.bookmarks;

    // Measure the font in the code page the text will be shown in before the text is built:
    // HTML rules take their length from it.
    m_view.encoding = v.encoding;
    m_displayCodePage = m_pipeline.menu().displayCodePage(v.encoding);
    prepareFont();
    recode(v.encoding);

    m_lines.clear();
    layOut(false);
    goToLine(v.position);

    m_stats.bookOpened(v.readingInterval);
    tick(); // the first tick makes the seconds of this opening 0 and shows the figures at once
}

HistoryChange Reader::storeBookState() {
    if (!m_open)
        return {};
    BookSnapshot s;
    s.book = m_book;
    s.viewAllSymbolsOn = m_view.viewAllSymbolsOn;
    s.paragraphSearchOn = m_view.paragraphSearchOn;
    s.position = static_cast<int32_t>(std::min<int64_t>(currentPosition(), INT32_MAX));
    s.secondsThisOpening = static_cast<int32_t>(std::min<int64_t>(m_stats.secondsSinceOpening(), INT32_MAX));
    s.lineSpacing = m_view.lineSpacing;
    s.fontName = m_view.font.name;
    s.fontHeight = -m_view.font.pixelHeight;
    s.fontBold = m_view.font.bold;
    s.characterExtraMode = static_cast<uint8_t>(m_view.letterSpacingMode);
    s.characterMap = m_view.encoding;
    s.wordWrapOn = m_view.wordWrapOn;
    s.textJustificationOn = m_view.textJustificationOn;
    s.wasDone = m_stats.percentText().empty() ? std::string("?") : m_stats.percentText();
    s.bookmarks = &m_bookmarks;
    const HistoryChange change = m_history.storeBookState(s, m_settings.integer(K::HistoryLimit));
    closeBook();
    return change;
}

void Reader::closeBook() {
    m_open = false;
    m_book = TBook{};
    m_lines.clear();
    m_paragraphs.clear();
    std::string().swap(m_bytes);
    m_segments.setup(0);
    m_topRow = 0;
    m_horizontalExtent = 0;
    ++m_layoutGeneration;
}

// --- Text and layout ----------------------------------------------------------------------------

TextSettings Reader::textSettings() const {
    TextSettings t = pipelineSettings(m_settings);
    // A rule of '_' as wide as the text may be, beside the scroll bar.
    const int room = m_clientWidth - (m_host.scrollBarWidth() + m_settings.integer(K::LeftMargin) +
                                      m_settings.integer(K::RightMargin));
    const int underscore = std::max(1, static_cast<int>(std::lround(m_metrics.advance['_'] / 64.0)));
    t.htmlRuleLength = std::max(0, room / underscore);
    return t;
}

void Reader::recode(int index) {
    m_host.showStatus("Coding...");
    m_lines.clear(); // the lines point into the paragraph buffer that is about to be replaced
    RecodeRequest request;
    request.encoding = m_pipeline.menu().validate(index);
    request.fileType = m_book.fileType;
    request.viewAllSymbols = m_view.viewAllSymbolsOn;
    request.paragraphSearch = m_view.paragraphSearchOn;
    const RecodeResult r = m_pipeline.recode(m_bytes, request, textSettings(), m_paragraphs, m_host.recodeObserver());
    if (!r.decodingError.empty())
        m_host.errorBox(r.decodingError);
    if (r.htmlSkipped)
        m_book.fileType = r.fileType;
    if (r.paragraphSearchSkipped)
        m_view.paragraphSearchOn = false;
    m_view.encoding = r.encoding;
    m_charset = r.charset;
    if (r.displayCodePage != m_displayCodePage) {
        m_displayCodePage = r.displayCodePage;
        prepareFont();
    }
}

int Reader::letterSpacingPixels() const {
    const double points = m_view.font.pixelHeight * 72.0 / m_host.screenDpi();
    return Lecterna::letterSpacingPixels(m_view.letterSpacingMode, points, m_settings.integer(K::CharacterExtraCondensed),
                                         m_settings.integer(K::CharacterExtraWided));
}

void Reader::prepareFont() {
    m_metrics = m_host.prepareFont(m_view.font, m_displayCodePage, m_view.viewAllSymbolsOn, letterSpacingPixels());
    updateRowHeight();
}

void Reader::updateRowHeight() {
    const int tenths = LineSpacing::tenths(m_view.lineSpacing, m_settings.integer(K::UserLineSpacing));
    m_rowHeight = LineSpacing::rowHeight(m_metrics.textHeight, tenths);
    m_topRow = clampTop(m_topRow);
}

int Reader::wrapWidth() const {
    return PageGeometry::compute(m_clientWidth, m_settings.flag(K::DoublePageMode), m_settings.integer(K::LeftMargin),
                                 m_settings.integer(K::RightMargin))
        .wrapWidth;
}

void Reader::layOut(bool rescaleBookmarks) {
    m_host.showStatus("Wraping...");
    const int64_t oldTop = m_lines.isEmpty() ? 0 : currentPosition();
    const int64_t oldCount = static_cast<int64_t>(m_lines.count());

    LineLayout layout(m_metrics);
    layout.layOut(m_paragraphs, m_view.wordWrapOn, wrapWidth(), m_lines);
    m_widthAtLastWrap = m_clientWidth;
    const int64_t newCount = static_cast<int64_t>(m_lines.count());

    m_host.showStatus("Text out...");
    m_segments.setup(newCount);
    goToLine(oldCount > 0 ? scaleTopLine(oldTop, oldCount, newCount) : 0);
    m_horizontalExtent = Lecterna::horizontalExtent(layout.widestLine(), m_settings.integer(K::LeftMargin),
                                                    m_settings.integer(K::RightMargin), m_clientWidth,
                                                    m_view.wordWrapOn);
    if (rescaleBookmarks)
        m_bookmarks.rescale(oldCount, newCount);
    ++m_layoutGeneration;
}

// --- Geometry and position ----------------------------------------------------------------------

void Reader::setClientSize(int width, int height) {
    if (width == m_clientWidth && height == m_clientHeight)
        return;
    m_clientWidth = width;
    m_clientHeight = height;
    if (!m_open)
        return;
    // Only a new width changes the wrap; a new height just shows more or fewer rows.
    if (m_view.wordWrapOn && width != m_widthAtLastWrap) {
        layOut(true);
    } else {
        m_topRow = clampTop(m_topRow);
        if (!m_view.wordWrapOn)
            layOut(false); // the horizontal extent depends on the client width
    }
}

int Reader::visibleRows() const { return m_rowHeight > 0 ? m_clientHeight / m_rowHeight : 0; }

int Reader::linesPerPage() const {
    return std::max(1, LineSpacing::linesPerPage(m_clientHeight, m_rowHeight, m_metrics.charHeight));
}

int64_t Reader::maxTopRow() const { return std::max<int64_t>(0, m_segments.linesInSegment() - visibleRows()); }

int64_t Reader::clampTop(int64_t row) const { return std::clamp<int64_t>(row, 0, maxTopRow()); }

void Reader::setSegmentsLimited(bool limited) {
    const int64_t top = currentPosition();
    m_segments = Segments(limited);
    m_segments.setup(static_cast<int64_t>(m_lines.count()));
    goToLine(top);
    ++m_layoutGeneration; // the view takes the rows of the segment now shown
}

void Reader::setTopRow(int64_t row) { m_topRow = clampTop(row); }

void Reader::goToLine(int64_t line) {
    const Segments::Shown shown = m_segments.goToLine(-1, line);
    m_topRow = clampTop(shown.topRow);
}

void Reader::nextSegment() {
    if (auto line = m_segments.nextSegmentLine()) {
        m_host.showStatus("Segment changing...");
        goToLine(*line);
    }
}

void Reader::previousSegment() {
    if (auto line = m_segments.previousSegmentLine(linesPerPage())) {
        m_host.showStatus("Segment changing...");
        goToLine(*line);
    }
}

void Reader::chooseSegment(int64_t tag) {
    if (auto line = m_segments.menuItemLine(tag)) {
        m_host.showStatus("Segment changing...");
        goToLine(*line);
    }
}

// --- Commands -----------------------------------------------------------------------------------

void Reader::chooseEncoding(int index) {
    if (!m_open)
        return;
    recode(index);
    layOut(true);
}

void Reader::switchDosWindows() { chooseEncoding(m_view.encoding == EncodingMenu::kDos ? EncodingMenu::kWindows : EncodingMenu::kDos); }

void Reader::setWordWrap(bool on) {
    m_view.wordWrapOn = on || m_settings.flag(K::DoublePageMode);
    if (m_open)
        layOut(true);
}

void Reader::setLineSpacing(int index) {
    m_view.lineSpacing = std::clamp(index, 0, LineSpacing::kCount - 1);
    updateRowHeight(); // the top line stays the top line
}

void Reader::setLetterSpacingMode(int mode) {
    m_view.letterSpacingMode = mode;
    prepareFont();
    if (m_open)
        layOut(true);
}

void Reader::toggleAllSymbols() {
    m_view.viewAllSymbolsOn = !m_view.viewAllSymbolsOn;
    if (!m_open)
        return;
    if (m_view.viewAllSymbolsOn) {
        recode(m_view.encoding < 0 ? 0 : m_view.encoding);
    } else {
        m_host.showStatus("Symbol hiding...");
        m_lines.clear();
        std::string text = m_paragraphs.takeBuffer();
        hideControlCharacters(text);
        m_paragraphs.setTextKeepingNul(std::move(text));
    }
    prepareFont(); // control bytes are drawn as pictures only while all symbols are shown
    layOut(true);
}

void Reader::toggleParagraphs() {
    m_view.paragraphSearchOn = !m_view.paragraphSearchOn;
    if (!m_open)
        return;
    recode(m_view.encoding < 0 ? 0 : m_view.encoding);
    m_view.wordWrapOn = true;
    layOut(true);
}

void Reader::setFont(const ReadingFont& font) {
    m_view.font = font;
    m_view.font.pixelHeight = std::clamp(font.pixelHeight, kMinFontHeight, kMaxFontHeight);
    prepareFont();
    if (m_open)
        layOut(true);
}

void Reader::previewFont(const ReadingFont& font) {
    m_view.font = font;
    prepareFont();
}

void Reader::setEncodingIndexOnly(int index) { m_view.encoding = index; }

void Reader::setFontCharset(int charset) {
    const EncodingMenu& menu = m_pipeline.menu();
    const int index = FontCharsets::encodingForFont(menu, m_view.encoding, charset);
    m_charset = charset;
    if (index == m_view.encoding)
        return;
    setEncodingIndexOnly(index);
    // Without an item the bytes keep the code page they are drawn in now.
    if (index < 0 || menu.displayCodePage(index) == m_displayCodePage)
        return;
    m_displayCodePage = menu.displayCodePage(index);
    prepareFont();
    if (m_open)
        layOut(true); // the same bytes have other widths in the new code page
}

bool Reader::canStepFont(int direction) const {
    return direction > 0 ? m_view.font.pixelHeight < kMaxFontHeight : m_view.font.pixelHeight > kMinFontHeight;
}

void Reader::stepFont(int direction) {
    if (!canStepFont(direction))
        return;
    ReadingFont f = m_view.font;
    f.pixelHeight += direction > 0 ? 1 : -1;
    setFont(f);
}

void Reader::fitFontSize(bool smart) {
    if (!m_open || m_lines.isEmpty())
        return;
    m_host.showStatus("Adjusting...");
    if (m_view.wordWrapOn) {
        m_view.wordWrapOn = false;
        layOut(true);
    }
    const std::vector<int64_t> widths = SizeFitting::measureLines(m_lines, m_metrics);
    const size_t ref = smart ? SizeFitting::smartReferenceLine(widths) : SizeFitting::widestLine(widths);
    if (ref == SizeFitting::kNone)
        return;
    const int room = m_clientWidth - (m_settings.integer(K::LeftMargin) + m_settings.integer(K::RightMargin));
    ReadingFont probe = m_view.font;
    const double dpi = m_host.screenDpi();
    const int condensed = m_settings.integer(K::CharacterExtraCondensed);
    const int wided = m_settings.integer(K::CharacterExtraWided);
    const int height = SizeFitting::fitCharHeight(m_lines.line(ref), m_view.font.pixelHeight, room, [&](int h) {
        probe.pixelHeight = h;
        const int spacing =
            Lecterna::letterSpacingPixels(m_view.letterSpacingMode, h * 72.0 / dpi, condensed, wided);
        return m_host.prepareFont(probe, m_displayCodePage, m_view.viewAllSymbolsOn, spacing);
    });
    m_view.font.pixelHeight = std::clamp(height, kMinFontHeight, kMaxFontHeight);
    prepareFont(); // also puts the host's font back after the trial measurements
    layOut(true);  // unwrapped lines stay the same lines; their widths and the extent change
}

void Reader::resetFormat() {
    if (!m_open)
        return;
    const TParamTemplate* templ = m_book.templ;
    const bool doublePage = m_settings.flag(K::DoublePageMode);
    const bool recognitionBefore = m_view.paragraphSearchOn;
    if (templ) {
        m_view.paragraphSearchOn = templ->values().paragraphSearchOn;
        m_view.textJustificationOn = templ->values().textJustificationOn;
        m_view.wordWrapOn = templ->values().wordWrapOn || doublePage;
    }
    m_view.font.name = m_settings.text(K::DefaultView_FontName);
    m_view.font.pixelHeight = std::clamp(pixelsForPoints(m_settings.integer(K::DefaultView_FontSize), m_host.screenDpi()),
                                         kMinFontHeight, kMaxFontHeight);
    m_view.font.bold = m_settings.flag(K::DefaultView_FontBold);
    m_view.letterSpacingMode = m_settings.integer(K::DefaultView_CharacterExtraMode);
    m_view.lineSpacing = m_settings.integer(K::DefaultView_LineSpacing);
    prepareFont();
    // The recognition switch is shown checked or not; the text follows it at once, so the check
    // mark never says something the page does not show.
    if (m_view.paragraphSearchOn != recognitionBefore)
        recode(m_view.encoding < 0 ? 0 : m_view.encoding);
    layOut(true);
}

void Reader::settingsChanged() {
    prepareFont();
    if (m_open)
        layOut(true);
}

std::string Reader::newBookmarkTitle() const {
    if (m_lines.isEmpty())
        return {};
    const int64_t line = std::min<int64_t>(currentPosition(), static_cast<int64_t>(m_lines.count()) - 1);
    return TBookmarkList::defaultTitle(m_lines.line(static_cast<size_t>(line)), CodePage(m_displayCodePage));
}

// --- Statistics ---------------------------------------------------------------------------------

std::optional<double> Reader::percentageRead() const {
    const int64_t line = m_segments.currentPosition(m_readingRow.value_or(m_topRow));
    return ReadingStatistics::percentageRead(line, visibleRows(), static_cast<int64_t>(m_lines.count()));
}

void Reader::tick() { m_stats.tick(percentageRead()); }

void Reader::refreshStatistics() { m_stats.refresh(percentageRead()); }

std::string Reader::sizeText() const { return ReadingStatistics::sizeText(m_bytes.size(), m_stats.decimalSeparator()); }

std::string Reader::fileNameText() const {
    return ReadingStatistics::fileNameText(fileNameOf(m_book.fileName), m_book.description);
}

} // namespace Lecterna
