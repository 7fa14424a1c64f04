// Notes every file a command changes, with its bytes as they were before the
// first change, by standing between the program and the file system while the
// command runs. No command needs to say which files it may touch.
#pragma once

#include "platform/file_system.h"
#include "platform/files.h"

#include <map>
#include <optional>
#include <string>

namespace pantrix {

class FileJournal final : public FileSystem
{
public:
    // Stands in for the file system in use until it is destroyed.
    FileJournal();
    ~FileJournal() override;

    // The files changed so far, each with its bytes before the change; missing
    // when it did not exist. Twins the crash-safe saves use are not listed.
    const std::map<fs::path, std::optional<std::string>>& Touched() const { return m_before; }

    int Open(const char* path, int flags, mode_t mode) override;
    int MakeTwin(char* pattern) override { return m_next.MakeTwin(pattern); }
    int SetMode(int fd, mode_t mode) override { return m_next.SetMode(fd, mode); }
    ssize_t Write(int fd, const void* bytes, std::size_t count) override
    {
        return m_next.Write(fd, bytes, count);
    }
    int Sync(int fd) override { return m_next.Sync(fd); }
    int SyncFolder(int fd) override { return m_next.SyncFolder(fd); }
    int Truncate(int fd, off_t length) override { return m_next.Truncate(fd, length); }
    int Close(int fd) override { return m_next.Close(fd); }
    int Rename(const char* from, const char* to) override;
    int Link(const char* from, const char* to) override;
    int Remove(const char* path) override;
    int Lock(int fd) override { return m_next.Lock(fd); }

private:
    void Note(const char* path);

    FileSystem& m_next;
    std::map<fs::path, std::optional<std::string>> m_before;
};

// A file's bytes, or nothing when it does not exist.
std::optional<std::string> ReadIfPresent(const fs::path& file);

} // namespace pantrix
