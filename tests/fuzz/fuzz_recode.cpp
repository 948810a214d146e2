// The whole text pipeline over arbitrary bytes: every encoding (a user map included), every file
// type and switch. The first two bytes choose; the rest is the book.
#include "document/ParagraphList.h"
#include "document/TextPipeline.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace Lecterna;

namespace {

TextPipeline& pipeline() {
    static TextPipeline* p = [] {
        std::string mapping;
        for (int b = 0; b < 256; ++b) {
            char entry[4];
            std::snprintf(entry, sizeof entry, "%02X", 255 - b);
            mapping += (b ? "," : "") + std::string(entry);
        }
        return new TextPipeline({866, 1251}, CharacterMaps::load({{"Reversed", mapping}}));
    }();
    return *p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const uint8_t choice = data[0];
    const uint8_t flags = data[1];
    const std::string_view book(reinterpret_cast<const char*>(data + 2), size - 2);

    RecodeRequest request;
    request.encoding = choice % 16; // 0..13 valid, 4 the separator, 14 and 15 beyond the menu
    const FileType types[] = {FileType::Text, FileType::Html, FileType::Word, FileType::Other};
    request.fileType = types[(choice >> 4) & 3];
    request.viewAllSymbols = flags & 1;
    request.paragraphSearch = flags & 2;
    TextSettings settings;
    settings.recognition.nonAlphaSymbolIsParagraphBegin = flags & 4;
    settings.recognition.addInterParagraphSpace = flags & 8;
    settings.ignoreFormatInPlainText = flags & 16;
    settings.ignoreFormatInPreformattedHtmlText = flags & 32;
    settings.setFirstIdent = flags & 64;
    settings.cooperation = 1;
    settings.useTextWithLayoutConverter = !(flags & 128);
    settings.htmlRuleLength = choice >> 6;

    NullRecodeObserver quiet;
    ParagraphList paragraphs;
    const RecodeResult result = pipeline().recode(book, request, settings, paragraphs, quiet);
    if (result.encoding != pipeline().menu().validate(request.encoding) || !result.decodingError.empty())
        std::abort();
    for (size_t i = 0; i < paragraphs.count(); ++i) {
        const std::string_view p = paragraphs.paragraph(i);
        if (p.find_first_of("\r\n") != std::string_view::npos)
            std::abort();
        if (!request.viewAllSymbols)
            for (unsigned char c : p)
                if (c < 32 && c != '\t')
                    std::abort();
        if (p.data() + p.size() > paragraphs.buffer().data() + paragraphs.buffer().size())
            std::abort();
    }
    return 0;
}
