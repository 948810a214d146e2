#pragma once

#include <string>
#include <string_view>

namespace Lecterna {

class CodePage;
class ProgressSink;
class UnicodeToCodePage;

// The HtmlParam settings and the facts of the reading view that the conversion depends on.
struct HtmlOptions {
    // White space folded outside <html> (the text before it is plain text to us).
    bool ignoreFormatInPlainText = false;
    // White space folded inside <pre>, <xmp>, <listing> and <code>.
    bool ignoreFormatInPreformattedHtmlText = false;
    // Number of '_' in the rule drawn for <hr>: as many as fit across the reading area.
    int ruleLength = 0;
    // The book is shown in the OEM code page: characters from references go to it instead of ANSI.
    bool oem = false;
};

// Turns an HTML page, already decoded into 8-bit text, into plain text in one pass: tags are
// dropped, some become line breaks (CR), tabs, bullets or a rule; character references are
// replaced; white space is folded as the options say; the contents of head, script, style,
// select and iframe vanish. The reader can skip through the progress sink (asked at most once
// every kPollInterval bytes), which leaves the text unconverted.
class HtmlToText {
public:
    static constexpr size_t kPollInterval = 32 * 1024;

    // `ansi`: the system's ANSI code page; `ansiOut`/`oemOut`: conversions of Unicode characters
    // into the ANSI and the OEM code page.
    HtmlToText(const CodePage& ansi, UnicodeToCodePage& ansiOut, UnicodeToCodePage& oemOut)
        : m_ansi(ansi), m_ansiOut(ansiOut), m_oemOut(oemOut) {}

    // False when the reader skipped; `out` is then empty.
    bool convert(std::string_view in, std::string& out, const HtmlOptions& options, ProgressSink& progress);

    // The bytes a reference name (the text between '&' and ';') stands for, or an empty string
    // when it stands for nothing. Named references are looked up lower-cased.
    std::string decodeReference(std::string_view name, bool oem);

private:
    const CodePage& m_ansi;
    UnicodeToCodePage& m_ansiOut;
    UnicodeToCodePage& m_oemOut;
};

} // namespace Lecterna
