#include "document/ParamTemplates.h"

namespace Lecterna {

namespace {

std::array<TParamTemplate, ParamTemplates::Count> builtInTemplates(bool doublePageMode, int cooperation,
                                                                   bool useTextWithLayoutConverter) {
    using V = TParamTemplate::Values;
    using U = TParamTemplate::Used;
    const bool wrapUsed = !doublePageMode;
    // Word documents are read as text only when the word processor converts them (cooperation
    // 1); only then do the stored justification and symbol display matter, and paragraph
    // recognition only when the conversion keeps the layout. Otherwise the word processor shows
    // them itself and the built-in values stand.
    const bool w = cooperation == 1;
    const bool c = cooperation == 1 && useTextWithLayoutConverter;
    // Fields: characterMap, paragraphSearchOn, wordWrapOn, textJustificationOn, viewAllSymbolsOn.
    return {
        TParamTemplate("Text", V{0, true, true, true, true}, U{true, true, wrapUsed, true, true}),
        TParamTemplate("Html", V{1, false, true, true, true}, U{true, true, wrapUsed, true, true}),
        TParamTemplate("Doc", V{1, false, true, true, false}, U{false, true, wrapUsed, true, true}),
        TParamTemplate("Word", V{1, c, true, w, true}, U{false, c, true, w, w}),
        TParamTemplate("Default", V{0, false, true, false, true}, U{true, true, wrapUsed, true, true}),
    };
}

} // namespace

ParamTemplates::ParamTemplates(bool doublePageMode, int cooperation, bool useTextWithLayoutConverter)
    : m_templates(builtInTemplates(doublePageMode, cooperation, useTextWithLayoutConverter)) {}

ParamTemplates::Kind ParamTemplates::kindFor(FileType type, int cooperation) {
    if (cooperation == 3)
        return Word;
    switch (type) {
    case FileType::Text: return Text;
    case FileType::Html: return Html;
    case FileType::Word: return Word;
    case FileType::Doc: return Doc;
    default: return Default;
    }
}

void ParamTemplates::load(const SettingsStore& store, const EncodingCheck& check) {
    for (TParamTemplate& t : m_templates) {
        t.load(store);
        t.validateCharacterMap(check);
    }
}

void ParamTemplates::save(SettingsStore& store) const {
    for (const TParamTemplate& t : m_templates)
        t.save(store);
}

} // namespace Lecterna
