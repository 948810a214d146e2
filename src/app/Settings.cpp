#include "app/Settings.h"

#include "app/ColorRef.h"
#include "app/IniFile.h"
#include "app/StoredDate.h"

#include <cassert>
#include <climits>

namespace Lecterna {

namespace {

enum class Check : uint8_t {
    None,
    Clamp,            // below lo becomes lo, above hi becomes hi
    OutsideIsDefault, // outside lo..hi becomes the default
    EmptyIsDefault,   // an empty text becomes the default
};

// Where a default comes from when it is not a constant.
enum class Source : uint8_t {
    Fixed,
    ElevenDaysAgo,
    SystemWindowText,
    SystemWindow,
    SystemHighlight,
    SystemFontSmoothing,
    ExeDir,
    DocumentsFolder,
    OfficeSuite,   // Cooperation: 1 when documents can be converted, else 0
    NoCooperation, // DocParam UseConverter: on when Cooperation is 0
};

constexpr const char* Common = "Common";
constexpr const char* View = "View";
constexpr const char* HtmlParam = "HtmlParam";
constexpr const char* Word97Param = "Word97Param";
constexpr const char* TxtParam = "TxtParam";
constexpr const char* DocParam = "DocParam";
constexpr const char* Open = "Open";
constexpr const char* Alarm = "Alarm";
constexpr const char* Archiver = "Archiver";

// Windows system colour indexes stored with the high bit set by older files.
constexpr uint32_t SystemColourFlag = 0x80000000u;
constexpr uint32_t ColorWindow = 5, ColorWindowText = 8, ColorHighlight = 13;

} // namespace

struct Settings::KeyInfo {
    Key key;
    const char* section;
    const char* name;
    Type type;
    int number = 0;
    const char* text = "";
    Source source = Source::Fixed;
    Check check = Check::None;
    int lo = 0, hi = 0;
};

namespace {

using K = Settings::Key;
using T = Settings::Type;
using Info = Settings::KeyInfo;

constexpr Info flag(K k, const char* s, const char* n, bool def, Source src = Source::Fixed) {
    return Info{k, s, n, T::Flag, def ? 1 : 0, "", src};
}
constexpr Info integer(K k, const char* s, const char* n, int def, Check c = Check::None, int lo = 0, int hi = 0,
                       Source src = Source::Fixed) {
    return Info{k, s, n, T::Integer, def, "", src, c, lo, hi};
}
constexpr Info colour(K k, const char* s, const char* n, Source src) {
    return Info{k, s, n, T::Colour, 0, "", src};
}
constexpr Info text(K k, const char* s, const char* n, const char* def, Check c = Check::None,
                    Source src = Source::Fixed) {
    return Info{k, s, n, T::Text, 0, def, src, c};
}

// The key table. Order matters: it is the order of reading and writing, and some checks use keys
// read before them (the texture for DesignStyle, Cooperation for DocParam UseConverter, StartFolder
// for LastPath).
constexpr std::array<Info, Settings::KeyCount> Table{{
    {K::LastProgramStart, Common, "LastProgramStart", T::Date, 0, "", Source::ElevenDaysAgo},
    flag(K::LastLoad, Common, "LastLoad", false),
    flag(K::ShowHistoryOnStart, Common, "ShowHistoryOnStart", false),
    flag(K::SmartFontSearch, Common, "SmartFontSearch", false),
    flag(K::QuickCopy, Common, "QuickCopy", false),
    flag(K::ScrollByMouse, Common, "ScrollByMouse", true),
    flag(K::BuildInWindowsShell, Common, "BuildInWindowsShell", false),
    integer(K::ScrollType, Common, "ScrollType", 2, Check::Clamp, 0, 3),
    integer(K::ScrollTimeDelay, Common, "ScrollTimeDelay", 40, Check::Clamp, 0, 100),
    integer(K::ScrollPriorityLevel, Common, "ScrollPriorityLevel", 2, Check::Clamp, 0, 2),
    integer(K::HistoryLimit, Common, "HistoryLimit", 25, Check::Clamp, 25, 32736),
    integer(K::ExcapeKeyAction, Common, "ExcapeKeyAction", 0, Check::Clamp, 0, 2),

    integer(K::ToolBarType, View, "ToolBarType", 2, Check::Clamp, 0, 4),
    flag(K::StartInFullScreen, View, "StartInFullScreen", false),
    flag(K::DoublePageMode, View, "DoublePageMode", false),
    flag(K::FontSmoothing, View, "FontSmoothing", true, Source::SystemFontSmoothing),
    flag(K::HideCursor, View, "HideCursor", false),
    flag(K::ViewLastLine, View, "ViewLastLine", true),
    integer(K::LeftMargin, View, "LeftMargin", 5),
    integer(K::RightMargin, View, "RightMargin", 5),
    integer(K::UserLineSpacing, View, "UserLineSpacing", 9, Check::Clamp, 5, 50),
    // Byte-sized: a value out of the byte's range is held at its end rather than wrapped.
    integer(K::CharacterExtraCondensed, View, "CharacterExtraCondensed", 5, Check::Clamp, 0, 255),
    integer(K::CharacterExtraWided, View, "CharacterExtraWided", 5, Check::Clamp, 0, 255),
    text(K::DefaultView_FontName, View, "DefaultView_FontName", "Arial", Check::EmptyIsDefault),
    integer(K::DefaultView_FontSize, View, "DefaultView_FontSize", 12, Check::OutsideIsDefault, 1, INT_MAX),
    flag(K::DefaultView_FontBold, View, "DefaultView_FontBold", false),
    integer(K::DefaultView_CharacterExtraMode, View, "DefaultView_CharacterExtraMode", 2, Check::OutsideIsDefault, 0,
            3),
    integer(K::DefaultView_LineSpacing, View, "DefaultView_LineSpacing", 1, Check::Clamp, 0, 4),
    colour(K::UserColors_Text, View, "UserColors_Text", Source::SystemWindowText),
    colour(K::UserColors_Background, View, "UserColors_Background", Source::SystemWindow),
    colour(K::UserColors_ScrollProgressBar, View, "UserColors_ScrollProgressBar", Source::SystemHighlight),
    text(K::UserColors_TextureFileName, View, "UserColors_TextureFileName", ""),

    flag(K::HtmlParam_UseConverter, HtmlParam, "UseConverter", true),
    flag(K::IgnoreFormatInPreformattedHtmlText, HtmlParam, "IgnoreFormatInPreformattedHtmlText", false),
    flag(K::IgnoreFormatInPlainText, HtmlParam, "IgnoreFormatInPlainText", false),

    integer(K::Cooperation, Word97Param, "Cooperation", -1, Check::OutsideIsDefault, 0, 3, Source::OfficeSuite),
    flag(K::Use_TextWithLayoutConverter, Word97Param, "Use_TextWithLayoutConverter", true),
    flag(K::Change_NormalStyle, Word97Param, "Change_NormalStyle", true),
    flag(K::Set_AllText_Russian, Word97Param, "Set_AllText_Russian", false),
    flag(K::Hotkeys, Word97Param, "Hotkeys", true),
    flag(K::SetFirstIdent, Word97Param, "SetFirstIdent", false),
    flag(K::HideCommandBars, Word97Param, "HideCommandBars", false),
    integer(K::FormatType, Word97Param, "FormatType", 0, Check::Clamp, 0, 255),
    integer(K::DesignStyle, Word97Param, "DesignStyle", 0, Check::Clamp, 0, 3),

    flag(K::NonAlphaSymbolIsParagraphBegin, TxtParam, "NonAlphaSymbolIsParagraphBegin", true),
    flag(K::AddInterParagraphSpace, TxtParam, "AddInterParagraphSpace", false),

    flag(K::DocParam_UseConverter, DocParam, "UseConverter", true, Source::NoCooperation),

    text(K::FavoriteFolder, Open, "FavoriteFolder", "", Check::EmptyIsDefault, Source::DocumentsFolder),
    integer(K::StartFolder, Open, "StartFolder", 0, Check::OutsideIsDefault, 0, 3),
    text(K::LastPath, Open, "LastPath", "", Check::EmptyIsDefault, Source::ExeDir),
    flag(K::HideDescriptionFile, Open, "HideDescriptionFile", true),
    integer(K::DescriptionPosition, Open, "DescriptionPosition", 0, Check::Clamp, 0, INT_MAX),
    flag(K::HotTrack, Open, "HotTrack", false),
    flag(K::QuickUnpack, Open, "QuickUnpack", false),

    integer(K::AlarmHours, Alarm, "AlarmHours", 0),
    integer(K::AlarmMinutes, Alarm, "AlarmMinutes", 5),
    integer(K::AlarmSeconds, Alarm, "AlarmSeconds", 0),
    integer(K::WaitMinutes, Alarm, "WaitMinutes", 5),
}};

constexpr bool tableInKeyOrder() {
    for (size_t i = 0; i < Table.size(); ++i)
        if (static_cast<size_t>(Table[i].key) != i)
            return false;
    return true;
}
static_assert(tableInKeyOrder(), "the key table must list every key in the order of the enum");

const Info& infoOf(K key) {
    return Table[static_cast<size_t>(key)];
}
size_t at(K key) {
    return static_cast<size_t>(key);
}

} // namespace

Settings::Settings() {
    load(IniFile(), Environment{});
}

std::string_view Settings::sectionName(Key key) {
    return infoOf(key).section;
}
std::string_view Settings::keyName(Key key) {
    return infoOf(key).name;
}
Settings::Type Settings::type(Key key) {
    return infoOf(key).type;
}

int Settings::defaultNumber(const KeyInfo& info) const {
    switch (info.source) {
    case Source::ElevenDaysAgo: return m_env.today - 11;
    case Source::SystemWindowText: return static_cast<int>(m_env.windowTextColour & 0xFFFFFF);
    case Source::SystemWindow: return static_cast<int>(m_env.windowColour & 0xFFFFFF);
    case Source::SystemHighlight: return static_cast<int>(m_env.highlightColour & 0xFFFFFF);
    case Source::SystemFontSmoothing: return m_env.fontSmoothing ? 1 : 0;
    case Source::OfficeSuite: return m_env.officeSuiteFound ? 1 : 0;
    case Source::NoCooperation: return integer(Key::Cooperation) == 0 ? 1 : 0;
    default: return info.number;
    }
}

std::string Settings::defaultText(const KeyInfo& info) const {
    switch (info.source) {
    case Source::ExeDir: return m_env.exeDir;
    case Source::DocumentsFolder: return m_env.documentsFolder;
    default: return info.text;
    }
}

int Settings::checked(const KeyInfo& info, int value) const {
    switch (info.check) {
    case Check::Clamp: return value < info.lo ? info.lo : value > info.hi ? info.hi : value;
    case Check::OutsideIsDefault: return (value < info.lo || value > info.hi) ? defaultNumber(info) : value;
    default: return value;
    }
}

void Settings::readKey(const KeyInfo& info, const SettingsStore& store) {
    const size_t i = at(info.key);
    switch (info.type) {
    case Type::Flag: m_numbers[i] = store.readFlag(info.section, info.name, defaultNumber(info) != 0) ? 1 : 0; break;
    case Type::Integer:
        // A missing key takes the default; Cooperation's default -1 is outside 0..3 on purpose, so
        // that a missing or unknown value leads to detection.
        m_numbers[i] = checked(info, store.readInteger(info.section, info.name, info.number));
        break;
    case Type::Colour: {
        m_numbers[i] = defaultNumber(info);
        const auto stored = store.value(info.section, info.name);
        const auto n = stored ? parseStoredInteger(*stored) : std::nullopt;
        if (!n)
            break;
        const auto u = static_cast<uint32_t>(*n);
        if ((u >> 24) == 0) {
            m_numbers[i] = static_cast<int>(rgbFromColorRef(u));
        } else if ((u & 0xFF000000u) == SystemColourFlag) {
            // "The system's colour" as older files may hold it.
            const uint32_t index = u & 0xFFFFFF;
            if (index == ColorWindowText)
                m_numbers[i] = static_cast<int>(m_env.windowTextColour & 0xFFFFFF);
            else if (index == ColorWindow)
                m_numbers[i] = static_cast<int>(m_env.windowColour & 0xFFFFFF);
            else if (index == ColorHighlight)
                m_numbers[i] = static_cast<int>(m_env.highlightColour & 0xFFFFFF);
        }
        break;
    }
    case Type::Text:
        m_texts[i] = store.readString(info.section, info.name, defaultText(info));
        if (info.check == Check::EmptyIsDefault && m_texts[i].empty())
            m_texts[i] = defaultText(info);
        break;
    case Type::Date: {
        const auto stored = store.value(info.section, info.name);
        const auto days = stored ? parseStoredDate(*stored) : std::nullopt;
        m_numbers[i] = days ? *days : defaultNumber(info);
        break;
    }
    }
}

void Settings::loadSection(const SettingsStore& store, const Environment& env, std::string_view section) {
    m_env = env;
    for (const KeyInfo& info : Table) {
        if (section != info.section)
            continue;
        const size_t i = at(info.key);
        switch (info.key) {
        case Key::ToolBarType:
            // On a narrow screen the wide tool bars would not fit: the small one is used (and saved
            // at close, like every value in use).
            if (env.screenWidth < 800) {
                m_numbers[i] = 2;
                continue;
            }
            break;
        case Key::LastPath:
            if (integer(Key::StartFolder) > 1 || env.shiftHeld) {
                m_texts[i] = env.exeDir;
                continue;
            }
            break;
        default: break;
        }
        readKey(info, store);

        switch (info.key) {
        case Key::ScrollType:
        case Key::DoublePageMode:
            // Two pages side by side cannot scroll smoothly: only page by page.
            if (flag(Key::DoublePageMode))
                m_numbers[at(Key::ScrollType)] = 0;
            break;
        case Key::DesignStyle:
            if (m_numbers[i] >= 2 && text(Key::UserColors_TextureFileName).empty())
                m_numbers[i] = 0;
            break;
        case Key::LastPath:
            // Network folders ("//server/share") may be slow or gone at start.
            if (integer(Key::StartFolder) == 1 && m_texts[i].starts_with("//"))
                m_texts[i] = env.exeDir;
            break;
        default: break;
        }
    }
    if (section == Archiver)
        m_archiverPaths = readArchiverPaths(store);
}

void Settings::load(const SettingsStore& store, const Environment& env) {
    for (const char* section : {Common, View, HtmlParam, Word97Param, TxtParam, DocParam, Open, Alarm, Archiver})
        loadSection(store, env, section);
}

void Settings::writeKey(const KeyInfo& info, SettingsStore& store, const int32_t* today) const {
    const size_t i = at(info.key);
    switch (info.type) {
    case Type::Flag: store.writeFlag(info.section, info.name, m_numbers[i] != 0); break;
    case Type::Integer: store.writeInteger(info.section, info.name, m_numbers[i]); break;
    case Type::Colour:
        store.writeInteger(info.section, info.name,
                           static_cast<int>(colorRefFromRgb(static_cast<uint32_t>(m_numbers[i]))));
        break;
    case Type::Text: store.writeString(info.section, info.name, m_texts[i]); break;
    case Type::Date:
        store.writeString(info.section, info.name,
                          formatStoredDate(today && info.key == Key::LastProgramStart ? *today : m_numbers[i]));
        break;
    }
}

void Settings::save(SettingsStore& store, int32_t today) const {
    for (const KeyInfo& info : Table)
        writeKey(info, store, &today);
    writeArchiverPaths(store, m_archiverPaths);
}

void Settings::saveSection(SettingsStore& store, std::string_view section) const {
    for (const KeyInfo& info : Table)
        if (section == info.section)
            writeKey(info, store, nullptr);
    if (section == Archiver)
        writeArchiverPaths(store, m_archiverPaths);
}

bool Settings::flag(Key key) const {
    assert(type(key) == Type::Flag);
    return m_numbers[at(key)] != 0;
}
int Settings::integer(Key key) const {
    assert(type(key) == Type::Integer);
    return m_numbers[at(key)];
}
uint32_t Settings::colour(Key key) const {
    assert(type(key) == Type::Colour);
    return static_cast<uint32_t>(m_numbers[at(key)]);
}
const std::string& Settings::text(Key key) const {
    assert(type(key) == Type::Text);
    return m_texts[at(key)];
}
int32_t Settings::date(Key key) const {
    assert(type(key) == Type::Date);
    return m_numbers[at(key)];
}

void Settings::setFlag(Key key, bool value) {
    assert(type(key) == Type::Flag);
    m_numbers[at(key)] = value ? 1 : 0;
}
void Settings::setInteger(Key key, int value) {
    assert(type(key) == Type::Integer);
    m_numbers[at(key)] = checked(infoOf(key), value);
}
void Settings::setColour(Key key, uint32_t rgb) {
    assert(type(key) == Type::Colour);
    m_numbers[at(key)] = static_cast<int>(rgb & 0xFFFFFF);
}
void Settings::setText(Key key, std::string value) {
    assert(type(key) == Type::Text);
    const KeyInfo& info = infoOf(key);
    m_texts[at(key)] = (info.check == Check::EmptyIsDefault && value.empty()) ? defaultText(info) : std::move(value);
}
void Settings::setDate(Key key, int32_t days) {
    assert(type(key) == Type::Date);
    m_numbers[at(key)] = days;
}

std::vector<std::string> Settings::readArchiverPaths(const SettingsStore& store) {
    std::vector<std::string> paths;
    for (auto& [name, value] : store.sectionValues(Archiver))
        if (name.find("Path") != std::string::npos)
            paths.push_back(std::move(value));
    return paths;
}

void Settings::writeArchiverPaths(SettingsStore& store, const std::vector<std::string>& paths) {
    store.eraseSection(Archiver);
    for (size_t i = 0; i < paths.size(); ++i)
        store.writeString(Archiver, "Path" + std::to_string(i), paths[i]);
}

} // namespace Lecterna
