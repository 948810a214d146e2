#pragma once

#include "app/ProgressSink.h"
#include "document/Book.h"
#include "document/CharacterMaps.h"
#include "document/CodePage.h"
#include "document/EncodingMenu.h"
#include "document/UnicodeToCodePage.h"
#include "sources/HtmlToText.h"
#include "view/LetterTables.h"
#include "view/ParagraphRecognizer.h"

#include <string>
#include <string_view>

namespace Lecterna {

class ParagraphList;

// The settings the text pipeline reads (sections TxtParam, HtmlParam and Word97Param), plus the
// width of the reading area in '_' characters for HTML rules.
struct TextSettings {
    RecognitionOptions recognition;
    bool ignoreFormatInPlainText = false;
    bool ignoreFormatInPreformattedHtmlText = false;
    bool setFirstIdent = false;
    int cooperation = 0;
    bool useTextWithLayoutConverter = true;
    int htmlRuleLength = 72;
};

// What to build: the book's encoding index, its file type and its two text switches.
struct RecodeRequest {
    int encoding = 0;
    FileType fileType = FileType::Other;
    bool viewAllSymbols = true;
    bool paragraphSearch = false;
};

// What the caller must show or change after a rebuild.
struct RecodeResult {
    int encoding = 0;                    // the encoding the text is in (0 after a decoding error)
    int charset = 255;                   // the reading font's character set for that encoding
    int displayCodePage = 0;             // the code page to draw the text in
    std::string decodingError;           // not empty: show it; the text was decoded as DOS instead
    bool htmlSkipped = false;            // the reader skipped HTML conversion: the book is plain text now
    FileType fileType = FileType::Other; // the book's type after the rebuild
    bool paragraphSearchSkipped = false; // the reader skipped recognition: clear ParagraphSearchOn
};

// The steps of a rebuild, for status captions, progress windows and timing.
enum class RecodeStage { Decoding, FirstLineIndent, Html, SymbolHiding, Paragraphs, Splitting };

// Told when each step of a rebuild starts and ends (also when it ends by an exception); hands out
// the progress sink of the steps that can take long and be skipped (Html, Paragraphs).
class RecodeObserver {
public:
    virtual ~RecodeObserver() = default;
    virtual ProgressSink& stageStarted(RecodeStage stage) = 0;
    virtual void stageFinished(RecodeStage stage) = 0;
};

// Observes nothing and never skips.
class NullRecodeObserver final : public RecodeObserver {
public:
    ProgressSink& stageStarted(RecodeStage) override { return m_progress; }
    void stageFinished(RecodeStage) override {}

private:
    NullProgress m_progress;
};

// Builds the paragraph list of a book from its bytes: decoding in the chosen encoding, the first
// line tab of Word conversions, HTML to text, hiding control characters, paragraph recognition,
// splitting into paragraphs. The text stays one string with its own line breaks until the last
// step. A large book costs its bytes plus one text of about the same size: later steps work in
// place where they can.
class TextPipeline {
public:
    TextPipeline(SystemCodePages pages, CharacterMaps maps);

    const SystemCodePages& codePages() const { return m_pages; }
    const EncodingMenu& menu() const { return m_menu; }
    const CharacterMaps& characterMaps() const { return m_maps; }
    const LetterTables& letterTables() const { return m_letters; }

    RecodeResult recode(std::string_view document, const RecodeRequest& request, const TextSettings& settings,
                        ParagraphList& paragraphs, RecodeObserver& observer);

    // The single steps, for callers that need one of them alone.
    std::string decode(std::string_view document, int encoding);
    static std::string withFirstLineTabs(std::string_view text);

private:
    // The steps up to control hiding.
    std::string buildText(std::string_view document, int encoding, bool html, const RecodeRequest& request,
                          const TextSettings& settings, RecodeObserver& observer, RecodeResult& result);

    SystemCodePages m_pages;
    CharacterMaps m_maps;
    EncodingMenu m_menu;
    CodePage m_ansi;
    UnicodeToCodePage m_toOem;
    UnicodeToCodePage m_toAnsi;
    LetterTables m_letters;
    HtmlToText m_html;
};

} // namespace Lecterna
