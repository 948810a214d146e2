#include "document/OpeningView.h"

#include "document/FileTypes.h"
#include "document/TBookParam.h"

#include <algorithm>

namespace Lecterna {

namespace {

constexpr int kWindows = 1;
constexpr int kUnicode = 2;
constexpr int kUtf8 = 3;
constexpr int kLastLineSpacing = 4;

} // namespace

int defaultEncoding(const TBook& request, const TParamTemplate& templ, bool wordTextIs16Bit) {
    switch (request.fileType) {
    case FileType::Text: return FileTypes::matchesMasks(request.fileName, "*.ans") ? kWindows : templ.values().characterMap;
    case FileType::Html: return request.fromClipboard ? kUtf8 : templ.values().characterMap;
    case FileType::Word: return kWindows;
    case FileType::Doc: return wordTextIs16Bit ? kUnicode : kWindows;
    default: return templ.values().characterMap;
    }
}

OpeningView openingView(const TBook& request, const TBookParam* entry, const TParamTemplate& templ,
                        const ViewDefaults& defaults, const EncodingCheck& check, bool wordTextIs16Bit) {
    OpeningView v;
    v.description = request.description;
    v.fontName = defaults.fontName;
    v.fontSize = defaults.fontSize;
    v.lineSpacing = defaults.lineSpacing;

    if (!entry) {
        const TParamTemplate::Values& t = templ.values();
        v.viewAllSymbolsOn = t.viewAllSymbolsOn;
        v.paragraphSearchOn = t.paragraphSearchOn;
        v.fontBold = defaults.fontBold;
        v.characterExtraMode = defaults.characterExtraMode;
        v.encoding = validatedEncoding(defaultEncoding(request, templ, wordTextIs16Bit), check);
        v.wordWrapOn = defaults.doublePageMode || t.wordWrapOn;
        v.textJustificationOn = t.textJustificationOn;
        return v;
    }

    const TBookParam& e = *entry;
    v.known = true;
    if (!e.description.empty())
        v.description = e.description;
    v.viewAllSymbolsOn = e.viewAllSymbolsOn;
    v.paragraphSearchOn = e.paragraphSearchOn;
    if (!e.fontName.empty())
        v.fontName = e.fontName;
    if (e.fontHeight < 0)
        v.fontHeight = e.fontHeight;
    v.fontBold = e.fontBold;
    v.characterExtraMode = e.characterExtraMode;
    v.encoding = validatedEncoding(e.characterMap, check);
    v.wordWrapOn = defaults.doublePageMode || e.wordWrapOn;
    v.textJustificationOn = e.textJustificationOn;
    v.readingInterval = e.readingInterval;
    // -1 asks for the default; anything else outside the menu (a hand-edited file) gets it too
    // rather than an index the line-spacing menu does not have.
    if (e.lineSpacing >= 0 && e.lineSpacing <= kLastLineSpacing)
        v.lineSpacing = e.lineSpacing;
    v.position = std::max(e.position, 0);
    v.bookmarks = e.bookmarks;
    return v;
}

} // namespace Lecterna
