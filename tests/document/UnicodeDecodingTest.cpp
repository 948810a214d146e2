#include "document/UnicodeDecoding.h"
#include "document/UnicodeToCodePage.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using Lecterna::Fixture::bytes;
using Lecterna::Fixture::encode;

namespace {

std::string utf16(std::string_view utf8) {
    return encode(utf8, "UTF-16LE");
}
std::string cp866(std::string_view utf8) {
    return encode(utf8, "CP866");
}

} // namespace

TEST(UnicodeDecoding, Utf16MarkOddByteAndCharactersOutsideTheCodePage) {
    UnicodeToCodePage to(866);
    struct Case {
        std::string input;
        std::string expected;
    } cases[] = {
        {"\xFF\xFE" + utf16("Жук"), cp866("Жук")}, // the mark is dropped
        {utf16("Жук"), cp866("Жук")},              // no mark: from the first byte
        {utf16("\xEF\xBB\xBF"
               "ab"),
         "ab"},                                            // a mark further on is invisible
        {std::string("a\0b\0c", 5), "ab"},                 // 5 bytes are 2 characters
        {utf16("x\xE4\xB8\xADy"), "x?y"},                  // a CJK character: default character
        {utf16("\xE2\x80\xA6\xC2\xAB\xC3\xA9"), "...<<e"}, // near forms: ellipsis, guillemet, é
        {utf16("a\xF0\x9F\x98\x80"
               "b"),
         "a?b"},                                        // a surrogate pair is one character
        {bytes({0x3D, 0xD8, 'z', 0}), "?z"},            // a lone high surrogate
        {bytes({0x00, 0xDC}), "?"},                     // a lone low surrogate
        {std::string("\0\0", 2), std::string(1, '\0')}, // NUL survives
        {"", ""},
        {"\xFF\xFE", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeUtf16Le(c.input, to), c.expected) << testing::PrintToString(c.input);
}

TEST(UnicodeDecoding, Utf8BrokenSequencesBecomeOneDefaultCharacterAndTheRestIsShown) {
    UnicodeToCodePage to(866);
    struct Case {
        std::string input;
        std::string expected;
    } cases[] = {
        {"Жук и пчела", cp866("Жук и пчела")},
        {"a\xD0"
         "bc",
         "a?bc"}, // lead byte without its continuation
        {"\xE2\x80"
         "x",
         "?x"},              // three-byte lead with one continuation: one character
        {"x\xE2\x80", "x?"}, // cut at the end
        {"\x80\xBF"
         "a",
         "??a"},                      // stray continuation bytes
        {"\xC0\x80\xC1\xBF", "????"}, // overlong forms of two bytes
        {"\xE0\x80\x80", "???"},      // overlong three-byte form
        {"\xED\xA0\x80"
         "a",
         "???a"}, // an encoded surrogate
        {"\xF0\x9F\x98\x80"
         "ok",
         "?ok"},               // four bytes: one character beyond 16 bits
        {"\xF0\x9F\x98", "?"}, // cut four-byte sequence
        {"\xF5\xFF"
         "z",
         "??z"}, // bytes that never start a character
        {"\xEF\xBB\xBF"
         "text",
         "text"},               // the UTF-8 mark is invisible
        {"\xE2\x80\x94", "--"}, // em dash: near form of two bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeUtf8(c.input, to), c.expected) << testing::PrintToString(c.input);
}

TEST(UnicodeDecoding, AsciiRunsAndNearFormsLongerThanTheirSourceAcrossBufferEdges) {
    UnicodeToCodePage to(866);
    // ASCII in blocks of eight next to letters at every offset, and a text whose near forms
    // ("½" -> " 1/2 ", two bytes -> five) outgrow the first guess of the output's size.
    std::string text, expected;
    for (int i = 0; i < 40; ++i) {
        text += std::string(static_cast<size_t>(i), 'a') + "Я";
        expected += std::string(static_cast<size_t>(i), 'a') + cp866("Я");
    }
    EXPECT_EQ(decodeUtf8(text, to), expected);
    EXPECT_EQ(decodeUtf16Le(utf16(text), to), expected);

    std::string halves;
    for (int i = 0; i < 5000; ++i)
        halves += "\xC2\xBD";
    const std::string out = decodeUtf8(halves, to);
    EXPECT_EQ(out.size(), 5000u * 5);
    EXPECT_EQ(out.substr(0, 10), " 1/2  1/2 ");
    EXPECT_EQ(decodeUtf16Le(utf16(halves), to), out);
}

TEST(UnicodeToCodePage, UnknownCodePageKeepsAsciiOnly) {
    UnicodeToCodePage to(12345);
    EXPECT_FALSE(to.isValid());
    EXPECT_EQ(decodeUtf8("ab\xD0\x96", to), "ab?");
}
