#pragma once

#include "app/Settings.h"
#include "document/HistoryList.h"
#include "document/ParamTemplates.h"
#include "document/TextPipeline.h"

#include <memory>

namespace Lecterna {

class SettingsStore;

// What the reading window reads from the settings store when it is created and writes back when
// it closes: the settings of the key table, the five templates and the history. The templates'
// built-in values depend on settings (two-page mode, the office suite's co-operation), so they are
// made after the settings are read.
class SavedState {
public:
    SavedState(SystemCodePages pages, CharacterMaps maps);

    void load(const SettingsStore& store, const Settings::Environment& env);
    // Settings (LastProgramStart := today), templates and history. Window placement goes between
    // the settings and the templates and is written by the caller.
    void saveSettings(SettingsStore& store, int32_t today) const;
    void saveTemplatesAndHistory(SettingsStore& store) const;

    Settings settings;
    HistoryList history;
    TextPipeline pipeline;
    ParamTemplates& templates() { return *m_templates; }
    const ParamTemplates& templates() const { return *m_templates; }

private:
    std::unique_ptr<ParamTemplates> m_templates;
};

} // namespace Lecterna
