#include "history/file_journal.h"

#include <fcntl.h>

namespace pantrix {

FileJournal::FileJournal() : m_next(CurrentFileSystem())
{
    UseFileSystem(this);
}

FileJournal::~FileJournal()
{
    UseFileSystem(&m_next);
}

std::optional<std::string> ReadIfPresent(const fs::path& file)
{
    std::error_code error;
    if (!fs::exists(file, error))
        return std::nullopt;
    auto bytes = ReadWholeFile(file);
    return bytes ? std::optional<std::string>(std::move(bytes.value())) : std::string();
}

void FileJournal::Note(const char* path)
{
    const fs::path file(path);
    if (IsTwinName(file.filename().native()) || m_before.contains(file))
        return;
    m_before.emplace(file, ReadIfPresent(file));
}

int FileJournal::Open(const char* path, int flags, mode_t mode)
{
    if ((flags & O_ACCMODE) != O_RDONLY)
        Note(path);
    return m_next.Open(path, flags, mode);
}

int FileJournal::Rename(const char* from, const char* to)
{
    Note(from);
    Note(to);
    return m_next.Rename(from, to);
}

int FileJournal::Link(const char* from, const char* to)
{
    Note(to);
    return m_next.Link(from, to);
}

int FileJournal::Remove(const char* path)
{
    Note(path);
    return m_next.Remove(path);
}

} // namespace pantrix
