#pragma once

#include "app/IniFile.h"
#include "app/SettingsMode.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Lecterna {

// Opens the settings store by the rules of the settings mode. Every reader and writer of settings
// (main window, dialogs, window placement, left-over temporary folders) goes through one object.
//
// A store file that is not text is never overwritten: it is renamed aside (the name gets
// ".broken-YYYYMMDD-HHMMSS") and the program goes on with defaults; a file that cannot be read at
// all is left alone and its store refuses to flush. Either way a message for the user is queued
// once; the interface shows what takeMessages() returns.
class SettingsLocation {
public:
    // Message texts; "%s" stands for file names, in order.
    static constexpr const char* BrokenFileRenamedText =
        "Файл настроек \"%s\" повреждён и сохранён как \"%s\". Настройки сброшены.";
    static constexpr const char* BrokenFileKeptText =
        "Файл настроек \"%s\" повреждён. Программа работает с настройками по умолчанию и не изменяет этот файл.";
    static constexpr const char* UnreadableFileText =
        "Файл настроек \"%s\" не удаётся прочитать. Программа работает с настройками по умолчанию и не изменяет "
        "этот файл.";

    // Probes the mode. `exeDir` ends with '/'; `userFileName` is the per-user store.
    SettingsLocation(const std::string& exeDir, std::string userFileName);
    // With a mode found otherwise (tests; a mode kept from an earlier probe).
    SettingsLocation(SettingsMode mode, std::string userFileName);
    // The same with the per-user store named by the environment.
    static SettingsLocation fromEnvironment(const std::string& exeDir);
    // $XDG_CONFIG_HOME/Lecterna/Lecterna.ini, with ~/.config standing in when it is unset.
    static std::string userFileNameFromEnvironment();

    const SettingsMode& mode() const { return m_mode; }
    const std::string& userFileName() const { return m_userFileName; }

    // The per-user store when in registry mode and it exists, else the INI file. Never null.
    std::unique_ptr<IniFile> openSettingsForRead();
    // Null when nothing may be written (INI mode, read-only program folder); else the per-user
    // store in registry mode (created by its first flush), the INI file otherwise. The caller
    // writes and flushes.
    std::unique_ptr<IniFile> openSettingsForWrite();

    // Writes [IniMode] InRegistry into the INI file, unless the program folder is read-only.
    bool writeIniMode();
    // The settings dialog's switch. Turning registry mode off deletes the per-user store, so the
    // settings go to the INI file when they are next saved.
    void setInRegistry(bool on);

    // Messages for the user about broken store files, each returned once.
    std::vector<std::string> takeMessages();

private:
    std::unique_ptr<IniFile> open(const std::string& path, bool userStore);
    void report(const std::string& path, std::string text);

    SettingsMode m_mode;
    std::string m_userFileName;
    std::vector<std::string> m_messages;
    std::set<std::string> m_reported;
};

} // namespace Lecterna
