#include "document/TextPipeline.h"
#include "document/ParagraphList.h"
#include "support/TestText.h"

#include <cstdio>
#include <gtest/gtest.h>

using namespace Lecterna;
using Lecterna::Fixture::encode;

namespace {

using Paragraphs = std::vector<std::string>;

Paragraphs paragraphsOf(const ParagraphList& list) {
    Paragraphs out;
    for (size_t i = 0; i < list.count(); ++i)
        out.emplace_back(list.paragraph(i));
    return out;
}

// Records the steps and skips the one it is told to.
class RecordingObserver final : public RecodeObserver, public ProgressSink {
public:
    explicit RecordingObserver(std::optional<RecodeStage> skip = std::nullopt) : m_skip(skip) {}
    ProgressSink& stageStarted(RecodeStage stage) override {
        m_current = stage;
        started.push_back(stage);
        return *this;
    }
    void stageFinished(RecodeStage stage) override { finished.push_back(stage); }
    void setMaximum(size_t) override {}
    void setPosition(size_t) override {}
    bool skipRequested() override { return m_skip == m_current; }

    std::vector<RecodeStage> started;
    std::vector<RecodeStage> finished;

private:
    std::optional<RecodeStage> m_skip;
    RecodeStage m_current = RecodeStage::Decoding;
};

struct Outcome {
    RecodeResult result;
    Paragraphs paragraphs;
};

Outcome rebuild(TextPipeline& pipeline, std::string_view document, RecodeRequest request, TextSettings settings = {},
                RecodeObserver* observer = nullptr) {
    NullRecodeObserver quiet;
    ParagraphList list;
    list.setTextKeepingNul("stale text of the previous encoding");
    Outcome r;
    r.result = pipeline.recode(document, request, settings, list, observer ? *observer : quiet);
    r.paragraphs = paragraphsOf(list);
    return r;
}

RecodeRequest request(int encoding, FileType type = FileType::Text, bool paragraphs = false, bool allSymbols = true) {
    RecodeRequest r;
    r.encoding = encoding;
    r.fileType = type;
    r.paragraphSearch = paragraphs;
    r.viewAllSymbols = allSymbols;
    return r;
}

} // namespace

TEST(TextPipeline, DosBookWithHardLineBreaksBecomesParagraphs) {
    TextPipeline pipeline({866, 1251}, {});
    const std::string book = encode("   Зима. Кре-\r\nстьянин, торжествуя,\r\nна дровнях обновляет путь.\r\n"
                                    "- Ну, пошёл!\r\n\r\n   Вторая строфа.\r\n",
                                    "CP866");
    RecordingObserver observer;
    const Outcome r = rebuild(pipeline, book, request(0, FileType::Text, true), {}, &observer);
    EXPECT_EQ(r.paragraphs, (Paragraphs{encode("   Зима. Крестьянин, торжествуя, на дровнях обновляет путь.", "CP866"),
                                        encode("- Ну, пошёл!", "CP866"), "", encode("   Вторая строфа.", "CP866")}));
    EXPECT_EQ(r.result.charset, 255);
    EXPECT_EQ(r.result.displayCodePage, 866);
    EXPECT_TRUE(r.result.decodingError.empty());
    const std::vector<RecodeStage> steps{RecodeStage::Decoding, RecodeStage::Paragraphs, RecodeStage::Splitting};
    EXPECT_EQ(observer.started, steps);
    EXPECT_EQ(observer.finished, steps);
}

TEST(TextPipeline, DecodesEveryKindOfEncodingIntoItsDisplayCodePage) {
    // A map that shows every byte as itself except 'a', which shows as 'b'.
    std::string mapping;
    for (int b = 0; b < 256; ++b) {
        char entry[4];
        std::snprintf(entry, sizeof entry, "%02X", b == 'a' ? 'b' : b);
        mapping += (b ? "," : "") + std::string(entry);
    }
    TextPipeline pipeline({866, 1251}, CharacterMaps::load({{"Swap", mapping}}));
    struct Case {
        int encoding;
        std::string document;
        Paragraphs expected;
        int codePage;
    } cases[] = {
        {1, encode("Жук\r\nжук", "CP1251"), {encode("Жук", "CP1251"), encode("жук", "CP1251")}, 1251},
        {2, "\xFF\xFE" + encode("Ж\r\nж", "UTF-16LE"), {encode("Ж", "CP866"), encode("ж", "CP866")}, 866},
        {3, "\xD0\x96\xD0\n\xE2\x80\xA6", {encode("Ж", "CP866") + "?", "..."}, 866},
        {8, "text", {"text"}, 1251},
        {13, "abc", {"bbc"}, 866},
        {4, "separator", {"separator"}, 866}, // not an encoding: DOS
        {99, "unknown", {"unknown"}, 866},
    };
    for (const Case& c : cases) {
        const Outcome r = rebuild(pipeline, c.document, request(c.encoding));
        EXPECT_EQ(r.paragraphs, c.expected) << c.encoding;
        EXPECT_EQ(r.result.displayCodePage, c.codePage) << c.encoding;
    }
}

TEST(TextPipeline, DecodingErrorIsReportedAndTheTextShownAsDos) {
    TextPipeline pipeline({9999, 1251}, {}); // an OEM code page iconv does not know
    const Outcome r = rebuild(pipeline, "a\xD0\x96", request(3));
    EXPECT_FALSE(r.result.decodingError.empty());
    EXPECT_EQ(r.result.encoding, 0);
    EXPECT_EQ(r.paragraphs, Paragraphs{"a\xD0\x96"});
}

TEST(TextPipeline, ControlCharactersStayUnlessHidden) {
    TextPipeline pipeline({866, 1251}, {});
    const std::string document("a\0b\x0c\r\nc", 7);
    EXPECT_EQ(rebuild(pipeline, document, request(0)).paragraphs, (Paragraphs{std::string("a\0b\x0c", 4), "c"}));
    EXPECT_EQ(rebuild(pipeline, document, request(0, FileType::Text, false, false)).paragraphs,
              (Paragraphs{"ab", "c"}));
}

TEST(TextPipeline, RecognitionSeesTheOriginalLineBreaks) {
    TextPipeline pipeline({866, 1251}, {});
    // Single LFs join (an LF counts one, a pair of them half an empty line), CR LF pairs likewise.
    EXPECT_EQ(rebuild(pipeline, "one\ntwo\n\nthree", request(0, FileType::Text, true)).paragraphs,
              Paragraphs{"one two three"});
    EXPECT_EQ(rebuild(pipeline, "one\r\n\r\ntwo", request(0, FileType::Text, true)).paragraphs,
              (Paragraphs{"one", "", "two"}));
}

TEST(TextPipeline, SkippedRecognitionLeavesTheTextAsDecoded) {
    TextPipeline pipeline({866, 1251}, {});
    RecordingObserver skipper(RecodeStage::Paragraphs);
    const Outcome r = rebuild(pipeline, "one two\r\nthree four\r\n", request(0, FileType::Text, true), {}, &skipper);
    EXPECT_TRUE(r.result.paragraphSearchSkipped);
    EXPECT_EQ(r.paragraphs, (Paragraphs{"one two", "three four"}));
}

TEST(TextPipeline, HtmlIsConvertedInTheCodePageOfItsEncodingOrLeftAsTextWhenSkipped) {
    TextPipeline pipeline({866, 1251}, {});
    const std::string page = "<html><p>a&nbsp;b</html>";
    EXPECT_EQ(rebuild(pipeline, page, request(1, FileType::Html)).paragraphs, (Paragraphs{"", "\ta\xA0"
                                                                                              "b"}));
    EXPECT_EQ(rebuild(pipeline, page, request(0, FileType::Html)).paragraphs, (Paragraphs{"", "\ta\xFF"
                                                                                              "b"}));

    RecordingObserver skipper(RecodeStage::Html);
    const Outcome skipped = rebuild(pipeline, page, request(1, FileType::Html), {}, &skipper);
    EXPECT_TRUE(skipped.result.htmlSkipped);
    EXPECT_EQ(skipped.result.fileType, FileType::Text);
    EXPECT_EQ(skipped.paragraphs, Paragraphs{page});
}

TEST(TextPipeline, ConvertedWordDocumentsGetATabBeforeEveryParagraph) {
    TextPipeline pipeline({866, 1251}, {});
    TextSettings word;
    word.setFirstIdent = true;
    word.cooperation = 1;
    word.useTextWithLayoutConverter = false;
    const std::string text = "a\r\nb\n\rc";
    EXPECT_EQ(rebuild(pipeline, text, request(1, FileType::Word), word).paragraphs,
              (Paragraphs{"\ta", "\tb", "\t", "\tc"}));
    EXPECT_EQ(rebuild(pipeline, text, request(1, FileType::Text), word).paragraphs, (Paragraphs{"a", "b", "", "c"}));
    word.useTextWithLayoutConverter = true;
    EXPECT_EQ(rebuild(pipeline, text, request(1, FileType::Word), word).paragraphs, (Paragraphs{"a", "b", "", "c"}));
}
