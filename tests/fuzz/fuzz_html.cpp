// HTML to text over arbitrary bytes, in both code pages and with every folding setting.
#include "app/ProgressSink.h"
#include "document/CodePage.h"
#include "document/UnicodeToCodePage.h"
#include "sources/HtmlToText.h"

#include <cstdlib>
#include <string>

using namespace Lecterna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    static const CodePage ansi(1251);
    static UnicodeToCodePage toAnsi(1251);
    static UnicodeToCodePage toOem(866);
    static HtmlToText html(ansi, toAnsi, toOem);
    HtmlOptions options;
    options.ignoreFormatInPlainText = data[0] & 1;
    options.ignoreFormatInPreformattedHtmlText = data[0] & 2;
    options.oem = data[0] & 4;
    options.ruleLength = data[0] >> 3;
    const std::string_view page(reinterpret_cast<const char*>(data + 1), size - 1);

    NullProgress progress;
    std::string text;
    if (!html.convert(page, text, options, progress))
        std::abort();
    // No input byte yields more than a rule or a near form of a reference.
    if (text.size() > page.size() * static_cast<size_t>(options.ruleLength + UnicodeToCodePage::kMaxBytes + 2))
        std::abort();
    return 0;
}
