#pragma once

#include "dialogs/TBookmarkList.h"
#include "document/Book.h"
#include "document/TParamTemplate.h"

#include <cstdint>
#include <string>

namespace Lecterna {

struct TBookParam;

// The View settings a book opened for the first time gets, and what shapes every book's view.
struct ViewDefaults {
    std::string fontName = "Arial";
    int fontSize = 12; // points
    bool fontBold = false;
    int characterExtraMode = 2;
    int lineSpacing = 1;
    bool doublePageMode = false; // two pages across the window always wrap words
};

// Everything the reading view applies when a book is opened, worked out from its history
// entry or, for a new book, from its template and the View defaults.
struct OpeningView {
    bool known = false; // the book has a history entry
    std::string description;
    bool viewAllSymbolsOn = true;
    bool paragraphSearchOn = false;
    std::string fontName;
    int32_t fontHeight = 0; // negative: the character height in pixels; 0: fontSize applies
    int fontSize = 12;      // points, used when fontHeight is 0
    bool fontBold = false;
    int characterExtraMode = 2;
    int encoding = 0; // a selectable index of the encoding menu
    bool wordWrapOn = true;
    bool textJustificationOn = false;
    int32_t readingInterval = 0; // seconds read before this opening
    int lineSpacing = 1;         // 0..4
    int32_t position = 0;        // absolute line to show at the top
    TBookmarkList bookmarks;     // the new working copy
};

// The encoding of a book that is not in the history: Windows for ".ans" texts, UTF-8 for HTML
// from the clipboard, Windows for documents converted by the word processor, Unicode or
// Windows for documents read by the built-in reader (as it reports 16-bit text or not), and
// the template's otherwise.
int defaultEncoding(const TBook& request, const TParamTemplate& templ, bool wordTextIs16Bit);

// entry is the book's history record, or null for a new book.
OpeningView openingView(const TBook& request, const TBookParam* entry, const TParamTemplate& templ,
                        const ViewDefaults& defaults, const EncodingCheck& check, bool wordTextIs16Bit);

} // namespace Lecterna
