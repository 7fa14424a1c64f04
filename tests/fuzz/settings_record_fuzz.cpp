// The settings file's record: whatever "px31.cfg" holds, saving the settings
// unchanged writes back the very bytes that were read.
#include "fuzz_support.h"

#include "settings/settings_record.h"

using namespace pantrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::Bytes(data, size);
    const SettingsRecord fallback = DefaultSettings("/home/cook/.local/share/pantrix/");
    const SettingsRecord record = DecodeSettings(bytes, fallback);
    const std::string written = EncodeSettings(record);

    // A short file is completed from the defaults; bytes after the record are not its own.
    std::string read(bytes.substr(0, kSettingsRecordLength));
    read += EncodeSettings(fallback).substr(read.size());
    fuzz::Check(written == read, "unchanged settings are saved as they were read");
    fuzz::Check(EncodeSettings(DecodeSettings(written, fallback)) == written,
                "a saved record reads back as the same record");
    for (const auto flag :
         {&SettingsRecord::ToolTips, &SettingsRecord::PrintTwoColumns, &SettingsRecord::BoldFonts,
          &SettingsRecord::LargePrint, &SettingsRecord::IncludeIngredientList}) {
        SettingsRecord changed = record;
        const bool on = ReadFlag(record.*flag) != Flag::Yes;
        changed.*flag = FlagText(on);
        fuzz::Check(ReadFlag(DecodeSettings(EncodeSettings(changed), fallback).*flag) ==
                        (on ? Flag::Yes : Flag::No),
                    "a switched option reads back switched");
    }
    return 0;
}
