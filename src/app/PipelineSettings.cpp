#include "app/PipelineSettings.h"

#include "app/Settings.h"

namespace Lecterna {

TextSettings pipelineSettings(const Settings& settings) {
    using K = Settings::Key;
    TextSettings t;
    t.recognition.nonAlphaSymbolIsParagraphBegin = settings.flag(K::NonAlphaSymbolIsParagraphBegin);
    t.recognition.addInterParagraphSpace = settings.flag(K::AddInterParagraphSpace);
    t.ignoreFormatInPlainText = settings.flag(K::IgnoreFormatInPlainText);
    t.ignoreFormatInPreformattedHtmlText = settings.flag(K::IgnoreFormatInPreformattedHtmlText);
    t.setFirstIdent = settings.flag(K::SetFirstIdent);
    t.cooperation = settings.integer(K::Cooperation);
    t.useTextWithLayoutConverter = settings.flag(K::Use_TextWithLayoutConverter);
    return t;
}

} // namespace Lecterna
