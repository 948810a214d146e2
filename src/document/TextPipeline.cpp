#include "document/TextPipeline.h"

#include "document/ParagraphList.h"
#include "document/UnicodeDecoding.h"
#include "view/ControlCharacters.h"

#include <new>
#include <stdexcept>

namespace Lecterna {

namespace {

// Tells the observer that a step ended, also when it ends by an exception.
class Stage {
public:
    Stage(RecodeObserver& observer, RecodeStage stage)
        : m_observer(observer), m_stage(stage), m_progress(observer.stageStarted(stage)) {}
    ~Stage() { m_observer.stageFinished(m_stage); }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;
    ProgressSink& progress() { return m_progress; }

private:
    RecodeObserver& m_observer;
    RecodeStage m_stage;
    ProgressSink& m_progress;
};

} // namespace

TextPipeline::TextPipeline(SystemCodePages pages, CharacterMaps maps)
    : m_pages(pages), m_maps(std::move(maps)), m_menu(pages, m_maps.names()), m_ansi(pages.ansi), m_toOem(pages.oem),
      m_toAnsi(pages.ansi), m_letters(pages), m_html(m_ansi, m_toAnsi, m_toOem) {}

std::string TextPipeline::decode(std::string_view document, int encoding) {
    if (encoding == EncodingMenu::kUnicode || encoding == EncodingMenu::kUtf8) {
        if (!m_toOem.isValid())
            throw std::runtime_error("Кодовая страница " + std::to_string(m_pages.oem) + " не поддерживается");
        return encoding == EncodingMenu::kUnicode ? decodeUtf16Le(document, m_toOem) : decodeUtf8(document, m_toOem);
    }
    if (EncodingMenu::isCharacterMap(encoding) && encoding < m_menu.count())
        return m_maps.translate(static_cast<size_t>(encoding - EncodingMenu::kFirstCharacterMap), document);
    return std::string(document);
}

std::string TextPipeline::withFirstLineTabs(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 1);
    const size_t n = text.size();
    size_t pos = 0;
    while (pos < n) {
        out.push_back('\t');
        size_t end = pos;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        out.append(text.substr(pos, end - pos));
        pos = end;
        if (pos < n && text[pos] == '\r')
            out.push_back(text[pos++]);
        if (pos < n && text[pos] == '\n')
            out.push_back(text[pos++]);
    }
    return out;
}

std::string TextPipeline::buildText(std::string_view document, int encoding, bool html, const RecodeRequest& request,
                                    const TextSettings& settings, RecodeObserver& observer, RecodeResult& result) {
    std::string text;
    {
        Stage stage(observer, RecodeStage::Decoding);
        try {
            text = decode(document, encoding);
        } catch (const std::bad_alloc&) {
            result.decodingError = "Недостаточно памяти для перекодировки текста";
        } catch (const std::exception& e) {
            result.decodingError = e.what();
        }
        if (!result.decodingError.empty()) {
            encoding = EncodingMenu::kDos;
            text = decode(document, encoding);
        }
    }
    result.encoding = encoding;
    result.charset = m_menu.charset(encoding);
    result.displayCodePage = m_menu.displayCodePage(encoding);

    if (settings.setFirstIdent && request.fileType == FileType::Word && settings.cooperation == 1 &&
        !settings.useTextWithLayoutConverter) {
        Stage stage(observer, RecodeStage::FirstLineIndent);
        text = withFirstLineTabs(text);
    }

    if (html) {
        Stage stage(observer, RecodeStage::Html);
        HtmlOptions options;
        options.ignoreFormatInPlainText = settings.ignoreFormatInPlainText;
        options.ignoreFormatInPreformattedHtmlText = settings.ignoreFormatInPreformattedHtmlText;
        options.ruleLength = settings.htmlRuleLength;
        options.oem = result.charset == EncodingMenu::kOemCharset;
        std::string converted;
        if (m_html.convert(text, converted, options, stage.progress())) {
            text = std::move(converted);
        } else {
            result.htmlSkipped = true;
            result.fileType = FileType::Text;
        }
    }

    if (!request.viewAllSymbols) {
        Stage stage(observer, RecodeStage::SymbolHiding);
        hideControlCharacters(text);
    }
    return text;
}

RecodeResult TextPipeline::recode(std::string_view document, const RecodeRequest& request, const TextSettings& settings,
                                  ParagraphList& paragraphs, RecodeObserver& observer) {
    // The previous text goes first, so that a large book is never held twice over.
    paragraphs.clear();
    RecodeResult result;
    result.fileType = request.fileType;
    const bool html = request.fileType == FileType::Html;
    std::string text =
        buildText(document, m_menu.validate(request.encoding), html, request, settings, observer, result);

    if (request.paragraphSearch) {
        Stage stage(observer, RecodeStage::Paragraphs);
        const ParagraphRecognizer recognizer(m_letters.forCharset(result.charset), settings.recognition);
        if (!recognizer.recognizeInPlace(text, stage.progress())) {
            result.paragraphSearchSkipped = true;
            // Recognition worked in the text's own buffer: make the text again, quietly.
            std::string().swap(text);
            NullRecodeObserver quiet;
            RecodeResult again;
            text = buildText(document, result.encoding, html && !result.htmlSkipped, request, settings, quiet, again);
        }
    }

    Stage stage(observer, RecodeStage::Splitting);
    paragraphs.setTextKeepingNul(std::move(text));
    return result;
}

} // namespace Lecterna
