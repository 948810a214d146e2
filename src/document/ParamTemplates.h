#pragma once

#include "document/Book.h"
#include "document/TParamTemplate.h"

#include <array>

namespace Lecterna {

// The five templates, in the order they are created, loaded and saved: "Text", "Html", "Doc",
// "Word", "Default". Open requests point at them (TBook::templ), so the set never moves.
class ParamTemplates {
public:
    enum Kind { Text = 0, Html, Doc, Word, Default, Count };

    // The settings that shape the built-in values, as read at start: in two-page mode word wrap
    // is always on, so no template reads it; with conversion through the word processor
    // (cooperation 1) its templates keep the converted layout.
    ParamTemplates(bool doublePageMode, int cooperation, bool useTextWithLayoutConverter);
    ParamTemplates(const ParamTemplates&) = delete;
    ParamTemplates& operator=(const ParamTemplates&) = delete;

    TParamTemplate& operator[](Kind k) { return m_templates[k]; }
    const TParamTemplate& operator[](Kind k) const { return m_templates[k]; }

    // The template a request of this file type uses; with cooperation 3 the word processor
    // shows every file, so all of them use "Word".
    static Kind kindFor(FileType type, int cooperation);
    const TParamTemplate& forFileType(FileType type, int cooperation) const {
        return m_templates[kindFor(type, cooperation)];
    }

    // Loads each template, then resets an encoding the menu cannot select to 0.
    void load(const SettingsStore& store, const EncodingCheck& check);
    void save(SettingsStore& store) const;

private:
    std::array<TParamTemplate, Count> m_templates;
};

} // namespace Lecterna
