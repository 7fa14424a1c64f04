#include "web/generated_file.h"

namespace pantrix {

Status WriteGenerated(const fs::path& file, std::string_view bytes)
{
    std::error_code error;
    if (fs::file_size(file, error) == bytes.size() && !error)
        if (const auto old = ReadWholeFile(file); old && old.value() == bytes)
            return Status::Ok();
    return ReplaceFile(file, bytes, Durability::Replaceable);
}

} // namespace pantrix
