#include "view/ParagraphRecognizer.h"
#include "app/ProgressSink.h"
#include "support/TestText.h"
#include "view/ControlCharacters.h"
#include "view/LetterTables.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using Lecterna::Fixture::encode;

namespace {

const LetterTables& tables() {
    static const LetterTables t({866, 1251});
    return t;
}

// Runs both the copying and the in-place recognition and checks that they agree.
std::string recognize(const std::string& text, RecognitionOptions options = {}, const LetterTable* letters = nullptr) {
    const ParagraphRecognizer recognizer(letters ? *letters : tables().ansi(), options);
    NullProgress progress;
    std::string copied;
    EXPECT_TRUE(recognizer.recognize(text, copied, progress));
    std::string inPlace = text;
    EXPECT_TRUE(recognizer.recognizeInPlace(inPlace, progress));
    EXPECT_EQ(copied, inPlace) << "in place differs for " << testing::PrintToString(text);
    return copied;
}

class CountingProgress final : public ProgressSink {
public:
    explicit CountingProgress(int skipAt) : m_skipAt(skipAt) {}
    void setMaximum(size_t) override {}
    void setPosition(size_t) override { ++positions; }
    bool skipRequested() override { return ++polls >= m_skipAt; }
    int polls = 0;
    int positions = 0;

private:
    int m_skipAt;
};

} // namespace

TEST(ParagraphRecognizer, JoinsLinesAndKeepsParagraphBreaks) {
    struct Case {
        const char* name;
        std::string input;
        std::string expected;
    } cases[] = {
        {"empty", "", ""},
        {"CR LF joins", "one\r\ntwo", "one two"},
        {"empty CR LF line breaks", "one\r\n\r\ntwo", "one\r\rtwo"},
        {"two empty lines survive", "one\r\n\r\n\r\ntwo", "one\r\r\rtwo"},
        {"trailing breaks dropped", "one\r\ntwo\r\n\r\n", "one two"},
        {"single LF joins", "one\ntwo", "one two"},
        {"two LFs still join", "one\n\ntwo", "one two"},
        {"four LFs break", "one\n\n\n\ntwo", "one\r\rtwo"},
        {"hyphenated word glued", "hyphen-\r\nated", "hyphenated"},
        {"dash after a space stays", "dash -\r\nnext", "dash - next"},
        {"a lone hyphen is no broken word", "-\r\nnext", "- next"},
        {"indentation kept, inner spaces folded", "   one   two", "   one two"},
        {"trailing spaces plus the joining one", "one  \r\ntwo", "one  two"},
        {"tabs are not folded", "a\t\tb", "a\t\tb"},
        {"dialogue line starts a paragraph", "said:\r\n- Yes", "said:\r- Yes"},
        {"digit starts a paragraph", "list\r\n1 item", "list\r1 item"},
        {"indented line starts a paragraph", "end.\r\n  Next", "end.\r  Next"},
        {"break before any text", "\r\nabc", " abc"},
        {"line of spaces starts a paragraph", "a\r\n   \r\nb", "a\r    b"},
        {"NUL is an ordinary character", std::string("a\0\r\nb", 5), std::string("a\0 b", 4)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recognize(c.input), c.expected) << c.name;
}

TEST(ParagraphRecognizer, OptionsChangeWhatStartsAParagraph) {
    RecognitionOptions blanksOnly;
    blanksOnly.nonAlphaSymbolIsParagraphBegin = false;
    EXPECT_EQ(recognize("said:\r\n- Yes", blanksOnly), "said: - Yes");
    EXPECT_EQ(recognize("end.\r\n\tNext", blanksOnly), "end.\r\tNext");
    EXPECT_EQ(recognize("one\r\n\r\ntwo", blanksOnly), "one\r\rtwo");

    RecognitionOptions spaced;
    spaced.addInterParagraphSpace = true;
    EXPECT_EQ(recognize("one\r\ntwo\r\n\r\n  three", spaced), "\rone two\r\r\r  three");
    EXPECT_EQ(recognize("a\nb", spaced), "\ra b");
    // Every line its own paragraph: the result outgrows the text more than once.
    std::string lines, expected;
    for (int i = 0; i < 300; ++i) {
        lines += "-\n";
        expected += i ? "\r\r-" : "\r-";
    }
    EXPECT_EQ(recognize(lines, spaced), expected);
}

TEST(ParagraphRecognizer, LetterTablesFollowTheCodePageOfTheFont) {
    // CP866 has "д" where CP1251 has the currency sign.
    const std::string dos = encode("Жил\r\nдед", "CP866");
    EXPECT_EQ(recognize(dos, {}, &tables().forCharset(255)), encode("Жил дед", "CP866"));
    EXPECT_EQ(recognize(dos, {}, &tables().forCharset(204)), encode("Жил\rдед", "CP866"));
    const std::string windows = encode("Жил\r\nбыл", "CP1251");
    EXPECT_EQ(recognize(windows, {}, &tables().forCharset(204)), encode("Жил был", "CP1251"));

    const LetterTable& oem = tables().oem();
    EXPECT_TRUE(oem[0x86]);  // Ж
    EXPECT_TRUE(oem[0xF1]);  // ё
    EXPECT_FALSE(oem[0xC4]); // box drawing
    EXPECT_FALSE(oem['7']);
    EXPECT_FALSE(tables().ansi()[0xA0]); // no-break space
}

TEST(ParagraphRecognizer, SkippingIsNoticedAtSpacesAndAskedRarely) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "word word\r\n";
    const ParagraphRecognizer recognizer(tables().ansi(), {});

    CountingProgress never(1 << 30);
    std::string out;
    ASSERT_TRUE(recognizer.recognize(text, out, never));
    const int budget = static_cast<int>(text.size() / ParagraphRecognizer::kPollInterval) + 2;
    EXPECT_LE(never.polls, budget);
    EXPECT_LE(never.positions, budget);

    CountingProgress second(2);
    EXPECT_FALSE(recognizer.recognize(text, out, second));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(second.polls, 2);
}

TEST(ControlCharacters, HidesBytesBelowSpaceExceptTabAndLineBreaks) {
    std::string text("\x01"
                     "a\0b\tc\r\n\x0c"
                     "d\x1f\x7f\x80",
                     13);
    hideControlCharacters(text);
    EXPECT_EQ(text, "ab\tc\r\nd\x7f\x80");
    std::string clean = "no controls\r\n";
    hideControlCharacters(clean);
    EXPECT_EQ(clean, "no controls\r\n");
}
