#pragma once

#include "app/Settings.h"
#include "document/CharacterMaps.h"
#include "document/HistoryList.h"
#include "document/ParamTemplates.h"
#include "document/TextPipeline.h"
#include "support/FixedPitchHost.h"
#include "support/TempFolder.h"
#include "view/Reader.h"

namespace Lecterna::Test {

// A reading session with everything it needs and no screen: default settings, an empty
// history, the built-in templates, the Russian code pages, fixed-pitch metrics, and a folder
// for the books. The client area is 410 x 300: 400 px of text at the default 5 px margins.
struct ScreenlessReader {
    ScreenlessReader() { reader.setClientSize(410, 300); }

    TBook request(const std::string& path, FileType type = FileType::Text) const {
        TBook b;
        b.fileName = path;
        b.fileType = type;
        return b;
    }

    TempFolder folder;
    Settings settings;
    HistoryList history;
    ParamTemplates templates{false, 0, true};
    TextPipeline pipeline{SystemCodePages{866, 1251}, CharacterMaps()};
    FixedPitchHost host;
    Reader reader{settings, history, templates, pipeline, host, "."};
};

} // namespace Lecterna::Test
