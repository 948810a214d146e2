#pragma once

#include "dialogs/TBookmarkList.h"
#include "document/Book.h"
#include "document/HistoryList.h"
#include "document/ParagraphList.h"
#include "document/TextPipeline.h"
#include "view/ByteMetrics.h"
#include "view/LineList.h"
#include "view/ReadingStatistics.h"
#include "view/Segments.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Lecterna {

class ParamTemplates;
class Settings;

// The reading font as a book keeps it.
struct ReadingFont {
    std::string name = "Arial";
    int pixelHeight = 16; // character height in pixels
    bool bold = false;
    friend bool operator==(const ReadingFont&, const ReadingFont&) = default;
};

// The view switches of the open book, saved with it in the history.
struct ViewState {
    bool viewAllSymbolsOn = true;
    bool paragraphSearchOn = false;
    bool wordWrapOn = true;
    bool textJustificationOn = false;
    int letterSpacingMode = 2; // 1 condensed, 2 normal, 3 wide
    int encoding = 0;          // index into the encoding menu; -1 when a font chose none
    ReadingFont font;
    int lineSpacing = 1; // 0..4
};

// What the reading session needs from the windows around it.
class ReaderHost {
public:
    virtual ~ReaderHost() = default;
    // Measures the reading font for drawing bytes of `displayCodePage` (control bytes as visible
    // pictures when `showAllSymbols`) with `letterSpacing` extra pixels per character. The host
    // keeps what it needs to draw exactly these widths.
    virtual ByteMetrics prepareFont(const ReadingFont& font, int displayCodePage, bool showAllSymbols,
                                    int letterSpacing) = 0;
    // Logical dots per inch of the screen: font sizes in points convert with it.
    virtual double screenDpi() const = 0;
    // Width of a vertical scroll bar, pixels (HTML rules leave room for it).
    virtual int scrollBarWidth() const = 0;
    // Status captions and the progress windows of the long steps of a text rebuild.
    virtual RecodeObserver& recodeObserver() = 0;
    virtual void showStatus(std::string_view text) = 0;
    virtual void errorBox(const std::string& text) = 0;
    virtual void infoBox(const std::string& text, const std::string& caption) = 0;
};

// The open book and everything the reading window shows of it: the document bytes, the
// paragraphs decoded from them, the display lines laid out from those, the segment shown, the
// top line, the view switches, the bookmarks being worked on and the reading statistics. It
// decides; the Qt layer asks it and draws what it holds.
class Reader {
public:
    static constexpr const char* kCannotOpenText = "Файл %s не может быть открыт";
    static constexpr const char* kCannotConvertText = "Файл не может быть конвертирован";
    static constexpr const char* kOpenAsTextText = "Файл будет открыт в текстовом режиме (как файл неизвестного типа)";
    static constexpr const char* kAttentionCaption = "Внимание";

    Reader(Settings& settings, HistoryList& history, const ParamTemplates& templates, TextPipeline& pipeline,
           ReaderHost& host, std::string decimalSeparator);

    // --- The book ------------------------------------------------------------------------
    // Opens a book: stores the one open before, reads the whole file in one read, restores the
    // book's view from its history entry or its template, builds its text, lays it out and shows
    // the stored position. False (with a message shown) when the file could not be read.
    bool open(TBook request);
    bool isOpen() const { return m_open; }
    const TBook& book() const { return m_book; }
    // Folds the open book into the history and closes it (also when the program closes).
    HistoryChange storeBookState();
    uint64_t documentSize() const { return m_bytes.size(); }

    const ParagraphList& paragraphs() const { return m_paragraphs; }
    const LineList& lines() const { return m_lines; }
    const ViewState& view() const { return m_view; }
    const ByteMetrics& metrics() const { return m_metrics; }
    int displayCodePage() const { return m_displayCodePage; }
    int charset() const { return m_charset; }

    // --- Geometry ------------------------------------------------------------------------
    // The reading area's client size. A new width lays a wrapped text out again.
    void setClientSize(int width, int height);
    int clientWidth() const { return m_clientWidth; }
    int clientHeight() const { return m_clientHeight; }
    int rowHeight() const { return m_rowHeight; }
    // Rows that fit whole, and rows of a page (a partly visible row counts when it is tall
    // enough to read).
    int visibleRows() const;
    int linesPerPage() const;
    int horizontalExtent() const { return m_horizontalExtent; }
    int wrapWidth() const;

    // --- Position ------------------------------------------------------------------------
    const Segments& segments() const { return m_segments; }
    // Cuts the line list into segments of the rows a 16-bit list control holds, as the program
    // does where its list boxes are limited; the whole list is one segment otherwise.
    void setSegmentsLimited(bool limited);
    // The top row of the current segment; like a list box the view never scrolls past its last
    // full page.
    int64_t topRow() const { return m_topRow; }
    void setTopRow(int64_t row);
    int64_t maxTopRow() const;
    // Absolute index of the top line.
    int64_t currentPosition() const { return m_segments.currentPosition(m_topRow); }
    // Shows an absolute line at the top (clamped into the book), loading its segment.
    void goToLine(int64_t line);
    void nextSegment();
    void previousSegment();
    void chooseSegment(int64_t tag);

    // --- Commands that change the text or its layout ----------------------------------------
    void chooseEncoding(int index);
    // F8: DOS when another encoding is shown, else Windows.
    void switchDosWindows();
    void setWordWrap(bool on);
    void setJustification(bool on) { m_view.textJustificationOn = on; }
    void setLineSpacing(int index);
    void setLetterSpacingMode(int mode);
    void toggleAllSymbols();
    void toggleParagraphs();
    void setFont(const ReadingFont& font);
    // The font dialog's preview: the font and the row height change, the lines stay as laid out.
    void previewFont(const ReadingFont& font);
    // The encoding item whose font character set the reading font now has, or -1 for none; the
    // text is not rebuilt (bytes of those code pages are shown as they are).
    void setEncodingIndexOnly(int index);
    // The reading font was chosen with character set `charset`: the encoding follows it
    // (FontCharsets::encodingForFont) without the text being decoded again, and the bytes are
    // drawn in the code page of the item that became current.
    void setFontCharset(int charset);
    // One pixel of character height up or down within 2..255; false when at the limit.
    bool canStepFont(int direction) const;
    void stepFont(int direction);
    // Largest character height at which the widest (or, with `smart`, the widest ordinary) line
    // fits the window; switches word wrap off. Nothing for an empty book.
    void fitFontSize(bool smart);
    // The book's template and the View defaults back.
    void resetFormat();
    // Settings that shape the layout changed (margins, custom spacing, colours).
    void settingsChanged();

    // --- Bookmarks being worked on ---------------------------------------------------------
    TBookmarkList& bookmarks() { return m_bookmarks; }
    const TBookmarkList& bookmarks() const { return m_bookmarks; }
    // Title and position a new bookmark gets: the top line.
    std::string newBookmarkTitle() const;

    // --- Statistics ------------------------------------------------------------------------
    ReadingStatistics& statistics() { return m_stats; }
    const ReadingStatistics& statistics() const { return m_stats; }
    // One second of reading (the window is active).
    void tick();
    void refreshStatistics();
    // While autoscroll runs, the percentage read counts from the line it has reached (ahead of
    // the top row in the page and wave types); nothing counts from the top row again.
    void setReadingRow(std::optional<int64_t> row) { m_readingRow = row; }
    std::string sizeText() const;
    std::string fileNameText() const;

    // Counted up by every layout, so the view knows when to take the lines again.
    uint64_t layoutGeneration() const { return m_layoutGeneration; }

private:
    void applyOpeningView(const struct OpeningView& view);
    void recode(int index);
    void prepareFont();
    void layOut(bool rescaleBookmarks);
    void updateRowHeight();
    int letterSpacingPixels() const;
    TextSettings textSettings() const;
    int64_t clampTop(int64_t row) const;
    std::optional<double> percentageRead() const;
    void closeBook();

    Settings& m_settings;
    HistoryList& m_history;
    const ParamTemplates& m_templates;
    TextPipeline& m_pipeline;
    ReaderHost& m_host;

    bool m_open = false;
    TBook m_book;
    std::string m_bytes;
    ParagraphList m_paragraphs;
    LineList m_lines;
    ViewState m_view;
    int m_charset = 255;
    int m_displayCodePage = 866;
    ByteMetrics m_metrics;
    int m_rowHeight = 16;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_widthAtLastWrap = -1;
    int m_horizontalExtent = 0;
    Segments m_segments;
    int64_t m_topRow = 0;
    std::optional<int64_t> m_readingRow;
    TBookmarkList m_bookmarks;
    ReadingStatistics m_stats;
    uint64_t m_layoutGeneration = 0;
};

} // namespace Lecterna
