#pragma once

#include <string>
#include <vector>

namespace Lecterna {

class SettingsStore;
class SettingsLocation;

// Temporary folders of earlier runs that could not be removed, kept as key names of section
// "TempDirectories" so that a later run can try again.
class TempDirectories {
public:
    // At program entry: reads the list and removes what can go. Walking from the last entry to the
    // first, an entry whose folder is gone is dropped, an empty folder is removed and dropped, and a
    // folder that still holds files stays listed. Only empty folders are ever removed here: the
    // names come from a file anybody may edit.
    // With `systemTemp`, the folders that crashed runs left there (named by createTempDir() after a
    // process that no longer exists, and ours) join the list first, so that they go the same way.
    void cleanOld(const SettingsStore& store, const std::string& systemTemp = {});

    // At process end: deletes everything inside this run's `tempDir` (archive members may come with
    // folders of their own; links are removed, never followed), then the folder itself; a folder
    // that cannot be removed joins the list. False when it stays.
    bool removeTempDir(const std::string& tempDir);

    // Writes the list (erasing the section first) and flushes; skipped when nothing may be written,
    // and failures are swallowed.
    void save(SettingsLocation& location) const;
    void write(SettingsStore& store) const;

    const std::vector<std::string>& folders() const { return m_folders; }

private:
    void adoptOrphans(const std::string& systemTemp);

    std::vector<std::string> m_folders;
};

} // namespace Lecterna
