// A hand-edited or damaged History section: loading, reopening each book, rescaling its
// bookmarks and saving again must neither crash nor lose the invariants of the list.
#include "app/IniFile.h"
#include "document/HistoryList.h"
#include "document/OpeningView.h"
#include "document/ParamTemplates.h"
#include "document/WasDoneText.h"

#include <cstdlib>
#include <string>
#include <string_view>

using namespace Lecterna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is the lines of section History, as the settings file holds them.
    IniFile store;
    std::string text = "[History]\n";
    text.append(reinterpret_cast<const char*>(data), size);
    if (!store.parse(std::move(text)))
        return 0; // not text: the program puts such a file aside unread

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
    // What is saved reads back whole, also after a trip through the file's text.
    IniFile out;
    history.saveHistory(out);
    IniFile reread;
    if (!reread.parse(out.render()) || HistoryList::loadHistory(reread, 50).count() != history.count())
        std::abort();
    return 0;
}
