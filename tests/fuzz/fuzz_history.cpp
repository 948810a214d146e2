// A hand-edited or damaged History section: loading, reopening each book, rescaling its
// bookmarks and saving again must neither crash nor lose the invariants of the list.
#include "document/HistoryList.h"
#include "document/OpeningView.h"
#include "document/ParamTemplates.h"
#include "document/WasDoneText.h"

// Fuzz targets link only the core; the in-memory store of the tests is compiled in here.
#include "../support/MemorySettingsStore.cpp"

#include <cstdlib>
#include <string_view>

using namespace Lecterna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is "key=value" lines of section History.
    MemorySettingsStore store;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const size_t eol = text.find('\n');
        const std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos && eq > 0)
            store.setValue("History", line.substr(0, eq), line.substr(eq + 1));
    }

    HistoryList history = HistoryList::loadHistory(store, 50);
    const ParamTemplates templates(false, 0, true);
    const EncodingCheck menu = [](int i) { return i < 13 && i != 4; };
    for (int i = 0; i < history.count(); ++i) {
        TBookParam& p = history.at(i).param;
        if (static_cast<int>(p.fileType) > 9 || p.characterExtraMode > 3)
            std::abort();
        TBook book;
        book.fileName = history.at(i).name;
        book.fileType = p.fileType;
        OpeningView v = openingView(book, &p, templates.forFileType(p.fileType, 0), ViewDefaults{}, menu, false);
        if (v.encoding < 0 || v.lineSpacing < 0 || v.lineSpacing > 4 || v.position < 0)
            std::abort();
        v.bookmarks.rescale(3, 1'000'000'000);
        (void)WasDoneText::allowsReopen(p.wasDone, ",");
    }
    if (history.count() > 0) {
        history.setCurrentIndex(history.count() - 1);
        BookSnapshot s;
        s.book.fileName = history.at(history.count() - 1).name;
        s.secondsThisOpening = 11;
        history.storeBookState(s, 50);
    }
    MemorySettingsStore out;
    history.saveHistory(out);
    if (HistoryList::loadHistory(out, 50).count() != history.count())
        std::abort();
    return 0;
}
