#include "sources/HtmlToText.h"
#include "app/ProgressSink.h"
#include "document/CodePage.h"
#include "document/UnicodeToCodePage.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using Lecterna::Fixture::encode;

namespace {

// A Russian system: ANSI 1251, OEM 866; or a Western one with ANSI 1252.
struct Converter {
    explicit Converter(int ansiPage = 1251) : ansi(ansiPage), toAnsi(ansiPage), toOem(866), html(ansi, toAnsi, toOem) {}
    std::string operator()(std::string_view in, HtmlOptions options = {}) {
        NullProgress progress;
        std::string out;
        EXPECT_TRUE(html.convert(in, out, options, progress));
        return out;
    }
    CodePage ansi;
    UnicodeToCodePage toAnsi;
    UnicodeToCodePage toOem;
    HtmlToText html;
};

} // namespace

TEST(HtmlToText, TagsBecomeBreaksTabsBulletsAndRules) {
    Converter convert;
    HtmlOptions rule3;
    rule3.ruleLength = 3;
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"A<br>B", "A\rB"},
        {"<P>x</p>", "\r\tx\r"},
        {"<p class=\"a\">x", "\r\tx"},
        {"A<br/>B", "AB"}, // "br/" is no tag we know
        {"<table><tr><td>1</td><TD>2</td></tr></table>", "\r1\t2\t\r\r"},
        {"<h2>T</h2>", "\r\t\tT\r"},
        {"<center>C</center>", "\n\r\t\tC\r"},
        {"<ul><li>one</ul>", " * one"},
        {"a<hr>b", "a\r___\rb"},
        {"<head><title>t</title></head>body", "body"},
        {"x<script>if (a > b) c();</script>y", "xy"},
        {"x<script>never closed", "x"},
        {"<!-- a > b -->c", "c"},
        {"a<!--x>y-->", "ay-->"},
        {"a<unknownlongname>b", "ab"},
        {"text<b", "text"},
        {"text<b attr", "text"},
        {"a</", "a"},
    };
    for (const Case& c : cases) {
        std::string expected = c.out;
        if (expected.starts_with(" * "))
            expected = "\r" + expected;
        EXPECT_EQ(convert(c.in, rule3), expected) << c.in;
    }
}

TEST(HtmlToText, ReferencesGiveCharactersOfTheBookCodePage) {
    Converter russian;
    Converter western(1252);
    struct Case {
        const char* in;
        std::string ansi1251;
    } cases[] = {
        {"&amp;", "&"},
        {"&lt;b&gt; &quot;", "<b> \""},
        {"&copy;", "\xA9"},
        {"&laquo;x&raquo;", "\xABx\xBB"},
        {"&#1040;", encode("А", "CP1251")},
        {"&#x41;&#X42;", "AB"},
        {"&foo;", "&foo;"},
        {"&amp x", "&x"},
        {"AT&T; R&D", "AT&T; R&D"},
        {"&#;&#x;&#12a;", "&#;&#x;&#12a;"},
        {"&#65601;", "A"},      // kept to 16 bits
        {"&#150;", "\x96"},     // a byte of the ANSI code page
        {"&auml;&Auml;", "aa"}, // no a-umlaut in CP1251: its near form
        {"&#99999999999;", "&#99999999999;"},
        {"&", "&"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(russian(c.in), c.ansi1251) << c.in;

    // In CP1252 the Latin-1 names are their own codes, in table order.
    EXPECT_EQ(western("&nbsp;&times;&szlig;&eth;&divide;&thorn;&yuml;&Auml;"), "\xA0\xD7\xDF\xF0\xF7\xFE\xFF\xE4");

    HtmlOptions oem;
    oem.oem = true;
    EXPECT_EQ(russian("&#1040;&#150;&laquo;&nbsp;", oem), encode("А", "CP866") + "-<<\xFF");
}

TEST(HtmlToText, WhiteSpaceFoldsInsideHtmlAndKeepsInsidePre) {
    Converter convert;
    EXPECT_EQ(convert("a\r\n b<html>c \r\n\t d</html>e\n f"), "a\r\n bc de\n f");
    EXPECT_EQ(convert("<html><pre>x  \ny</pre>z   w</html>"), "x  \nyz w");

    HtmlOptions folding;
    folding.ignoreFormatInPlainText = true;
    folding.ignoreFormatInPreformattedHtmlText = true;
    EXPECT_EQ(convert("a \n b<html><pre>x  \ny</pre></html>", folding), "a bx y");
}

TEST(HtmlToText, SkippingLeavesNothingConverted) {
    Converter convert;
    class Skip final : public ProgressSink {
    public:
        void setMaximum(size_t) override {}
        void setPosition(size_t) override {}
        bool skipRequested() override { return true; }
    } skip;
    std::string out = "old";
    EXPECT_FALSE(convert.html.convert("<p>text</p>", out, {}, skip));
    EXPECT_TRUE(out.empty());
}
