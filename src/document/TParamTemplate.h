#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace Lecterna {

class SettingsStore;

// Says whether an encoding index names a selectable item of the encoding menu (in range and
// not a separator). The menu is built elsewhere; an empty check accepts every index >= 0.
using EncodingCheck = std::function<bool(int encodingIndex)>;

// Returns the index unchanged when the menu can select it, else 0 (DOS).
int validatedEncoding(int encodingIndex, const EncodingCheck& check);

// The display switches a book of one kind gets when it is opened for the first time. Fields not
// marked used keep their built-in values whatever the settings file says.
class TParamTemplate {
public:
    static constexpr std::string_view kSection = "Templates";

    struct Values {
        int characterMap = 0;
        bool paragraphSearchOn = false;
        bool wordWrapOn = true;
        bool textJustificationOn = false;
        bool viewAllSymbolsOn = true;
    };
    struct Used {
        bool characterMap = true;
        bool paragraphSearchOn = true;
        bool wordWrapOn = true;
        bool textJustificationOn = true;
        bool viewAllSymbolsOn = true;
    };

    TParamTemplate(std::string name, Values builtIn, Used used);

    const std::string& name() const { return m_name; }
    // The key prefix, for example "Text_".
    std::string prefix() const { return m_name + "_"; }
    const Values& values() const { return m_values; }
    Values& values() { return m_values; }
    const Used& used() const { return m_used; }

    // Reads the used fields, each with its current value as the default.
    void load(const SettingsStore& store);
    // Writes all five keys.
    void save(SettingsStore& store) const;
    void validateCharacterMap(const EncodingCheck& check);

private:
    std::string m_name;
    Values m_values;
    Used m_used;
};

} // namespace Lecterna
