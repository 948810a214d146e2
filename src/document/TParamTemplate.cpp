#include "document/TParamTemplate.h"

#include "app/SettingsStore.h"

#include <utility>

namespace Lecterna {

int validatedEncoding(int encodingIndex, const EncodingCheck& check) {
    if (encodingIndex < 0)
        return 0;
    if (check && !check(encodingIndex))
        return 0;
    return encodingIndex;
}

TParamTemplate::TParamTemplate(std::string name, Values builtIn, Used used)
    : m_name(std::move(name)), m_values(builtIn), m_used(used) {}

void TParamTemplate::load(const SettingsStore& store) {
    const std::string p = prefix();
    auto flag = [&](bool used, const char* field, bool& value) {
        if (used)
            value = store.readFlag(kSection, p + field, value);
    };
    if (m_used.characterMap)
        m_values.characterMap = store.readInteger(kSection, p + "CharacterMap", m_values.characterMap);
    flag(m_used.paragraphSearchOn, "ParagraphSearchOn", m_values.paragraphSearchOn);
    flag(m_used.wordWrapOn, "WordWrapOn", m_values.wordWrapOn);
    flag(m_used.textJustificationOn, "TextJustificationOn", m_values.textJustificationOn);
    flag(m_used.viewAllSymbolsOn, "ViewAllSymbolsOn", m_values.viewAllSymbolsOn);
}

void TParamTemplate::save(SettingsStore& store) const {
    const std::string p = prefix();
    store.writeInteger(kSection, p + "CharacterMap", m_values.characterMap);
    store.writeFlag(kSection, p + "ParagraphSearchOn", m_values.paragraphSearchOn);
    store.writeFlag(kSection, p + "WordWrapOn", m_values.wordWrapOn);
    store.writeFlag(kSection, p + "TextJustificationOn", m_values.textJustificationOn);
    store.writeFlag(kSection, p + "ViewAllSymbolsOn", m_values.viewAllSymbolsOn);
}

void TParamTemplate::validateCharacterMap(const EncodingCheck& check) {
    m_values.characterMap = validatedEncoding(m_values.characterMap, check);
}

} // namespace Lecterna
