// Reading and writing the settings file. Only record 1 is ever read or written;
// bytes after it are kept as they are.
#pragma once

#include "platform/files.h"
#include "settings/settings_record.h"

namespace pantrix {

struct LoadedSettings
{
    SettingsRecord Record;
    Status Outcome = Status::Ok();
};

// A missing or empty file is given the defaults. On a failure the record holds
// the defaults (or what could be read) and the outcome says what went wrong.
LoadedSettings ReadSettingsFile(const fs::path& file, std::string_view dataPath);

Status WriteSettingsFile(const fs::path& file, const SettingsRecord& record);

// The record in memory is first replaced by the one in the file, then the flag
// is set and the record written: changes held only in memory are given up, as
// the toggles that use this have always done.
Status RereadAndWriteFlag(const fs::path& file, SettingsRecord& record,
                          std::string SettingsRecord::*flag, bool on);

} // namespace pantrix
