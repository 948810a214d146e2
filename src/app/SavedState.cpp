#include "app/SavedState.h"

#include "app/SettingsStore.h"

namespace Lecterna {

using K = Settings::Key;

SavedState::SavedState(SystemCodePages pages, CharacterMaps maps)
    : pipeline(pages, std::move(maps)), m_templates(std::make_unique<ParamTemplates>(false, 0, true)) {}

void SavedState::load(const SettingsStore& store, const Settings::Environment& env) {
    settings.load(store, env);
    m_templates = std::make_unique<ParamTemplates>(settings.flag(K::DoublePageMode), settings.integer(K::Cooperation),
                                                   settings.flag(K::Use_TextWithLayoutConverter));
    const EncodingMenu& menu = pipeline.menu();
    m_templates->load(store, [&menu](int i) { return menu.canSelect(i); });
    history = HistoryList::loadHistory(store, settings.integer(K::HistoryLimit));
}

void SavedState::saveSettings(SettingsStore& store, int32_t today) const { settings.save(store, today); }

void SavedState::saveTemplatesAndHistory(SettingsStore& store) const {
    m_templates->save(store);
    history.saveHistory(store);
}

} // namespace Lecterna
