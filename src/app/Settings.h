#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

class SettingsStore;

// The program's settings of sections Common, View, HtmlParam, Word97Param, TxtParam, DocParam,
// Open and Alarm, plus the archivers' folder list, as typed values. One table in Settings.cpp gives
// each key its section, name, type, default and check; loading applies the default when a key is
// missing and then the check, saving writes every key in table order. Templates, history and window
// placement have their own classes.
class Settings {
public:
    enum class Key : uint8_t {
        // Common
        LastProgramStart,
        LastLoad,
        ShowHistoryOnStart,
        SmartFontSearch,
        QuickCopy,
        ScrollByMouse,
        BuildInWindowsShell,
        ScrollType,
        ScrollTimeDelay,
        ScrollPriorityLevel,
        HistoryLimit,
        ExcapeKeyAction,
        // View
        ToolBarType,
        StartInFullScreen,
        DoublePageMode,
        FontSmoothing,
        HideCursor,
        ViewLastLine,
        LeftMargin,
        RightMargin,
        UserLineSpacing,
        CharacterExtraCondensed,
        CharacterExtraWided,
        DefaultView_FontName,
        DefaultView_FontSize,
        DefaultView_FontBold,
        DefaultView_CharacterExtraMode,
        DefaultView_LineSpacing,
        UserColors_Text,
        UserColors_Background,
        UserColors_ScrollProgressBar,
        UserColors_TextureFileName,
        // HtmlParam
        HtmlParam_UseConverter,
        IgnoreFormatInPreformattedHtmlText,
        IgnoreFormatInPlainText,
        // Word97Param
        Cooperation,
        Use_TextWithLayoutConverter,
        Change_NormalStyle,
        Set_AllText_Russian,
        Hotkeys,
        SetFirstIdent,
        HideCommandBars,
        FormatType,
        DesignStyle,
        // TxtParam
        NonAlphaSymbolIsParagraphBegin,
        AddInterParagraphSpace,
        // DocParam
        DocParam_UseConverter,
        // Open
        FavoriteFolder,
        StartFolder,
        LastPath,
        HideDescriptionFile,
        DescriptionPosition,
        HotTrack,
        QuickUnpack,
        // Alarm
        AlarmHours,
        AlarmMinutes,
        AlarmSeconds,
        WaitMinutes,
        Count
    };
    static constexpr size_t KeyCount = static_cast<size_t>(Key::Count);

    enum class Type : uint8_t {
        Flag,
        Integer,
        Colour, // 0xRRGGBB in the program, 0x00BBGGRR in the file
        Text,
        Date, // days since 1970-01-01
    };

    // What some defaults and checks take from the system at start.
    struct Environment {
        uint32_t windowTextColour = 0x000000; // 0xRRGGBB
        uint32_t windowColour = 0xFFFFFF;
        uint32_t highlightColour = 0x3399FF;
        bool fontSmoothing = true;
        int screenWidth = 1024;        // below 800 the stored tool bar type is not used
        int32_t today = 0;             // days since 1970-01-01
        bool officeSuiteFound = false; // `soffice` is on PATH: documents can be converted
        std::string exeDir;            // with a trailing '/'
        std::string documentsFolder;
        bool shiftHeld = false;
    };

    // Every key at its default for a default Environment.
    Settings();

    // Reads every section of the table and the archivers' folders.
    void load(const SettingsStore& store, const Environment& env);
    // Writes LastProgramStart := `today`, every key in table order, then the archivers' folders.
    void save(SettingsStore& store, int32_t today) const;
    // The same for one section, for windows that read and write their keys at their own moments
    // (the Open dialog, the alarm).
    void loadSection(const SettingsStore& store, const Environment& env, std::string_view section);
    void saveSection(SettingsStore& store, std::string_view section) const;

    // Typed access; asking for a key as the wrong type is a programming error (asserted).
    bool flag(Key key) const;
    int integer(Key key) const;
    uint32_t colour(Key key) const;
    const std::string& text(Key key) const;
    int32_t date(Key key) const;
    // Setters apply the key's range check; rules between keys (the tool bar and the screen, the
    // scroll type in double-page mode, the design style without a texture) apply when loading.
    void setFlag(Key key, bool value);
    void setInteger(Key key, int value);
    void setColour(Key key, uint32_t rgb);
    void setText(Key key, std::string value);
    void setDate(Key key, int32_t days);

    const std::vector<std::string>& archiverPaths() const { return m_archiverPaths; }
    void setArchiverPaths(std::vector<std::string> paths) { m_archiverPaths = std::move(paths); }
    // Section Archiver: on reading, every entry whose name contains "Path" gives a folder and others
    // are ignored; on writing, the section is replaced by Path0, Path1, ...
    static std::vector<std::string> readArchiverPaths(const SettingsStore& store);
    static void writeArchiverPaths(SettingsStore& store, const std::vector<std::string>& paths);

    static std::string_view sectionName(Key key);
    static std::string_view keyName(Key key);
    static Type type(Key key);

    struct KeyInfo; // one row of the key table, defined with the table

private:
    void readKey(const KeyInfo& info, const SettingsStore& store);
    void writeKey(const KeyInfo& info, SettingsStore& store, const int32_t* today) const;
    int checked(const KeyInfo& info, int value) const;
    int defaultNumber(const KeyInfo& info) const;
    std::string defaultText(const KeyInfo& info) const;

    std::array<int, KeyCount> m_numbers{};
    std::array<std::string, KeyCount> m_texts;
    std::vector<std::string> m_archiverPaths;
    Environment m_env;
};

} // namespace Lecterna
