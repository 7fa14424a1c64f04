#include "settings/settings_file.h"

#include "platform/record_file.h"

namespace pantrix {

LoadedSettings ReadSettingsFile(const fs::path& file, std::string_view dataPath)
{
    const SettingsRecord defaults = DefaultSettings(dataPath);
    auto bytes = ReadOrCreateFile(file);
    if (!bytes)
        return {defaults, bytes.status()};
    if (bytes.value().empty())
        return {defaults, WriteSettingsFile(file, defaults)};
    return {DecodeSettings(bytes.value(), defaults), Status::Ok()};
}

Status WriteSettingsFile(const fs::path& file, const SettingsRecord& record)
{
    return RecordFile(file, kSettingsRecordLength).WriteRecord(1, EncodeSettings(record));
}

Status RereadAndWriteFlag(const fs::path& file, SettingsRecord& record,
                          std::string SettingsRecord::*flag, bool on)
{
    auto bytes = ReadWholeFile(file);
    if (!bytes)
        return bytes.status();
    // A file emptied or cut short since start-up keeps the fields held in memory
    // instead of turning them into blanks.
    record = DecodeSettings(bytes.value(), record);
    record.*flag = FlagText(on);
    return WriteSettingsFile(file, record);
}

} // namespace pantrix
