#include "platform/file_system.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pantrix {
namespace {

class SystemFileSystem final : public FileSystem
{
public:
    int Open(const char* path, int flags, mode_t mode) override
    {
        return ::open(path, flags, mode);
    }
    int MakeTwin(char* pattern) override { return ::mkstemp(pattern); }
    int SetMode(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    ssize_t Write(int fd, const void* bytes, std::size_t count) override
    {
        return ::write(fd, bytes, count);
    }
    int Sync(int fd) override { return ::fsync(fd); }
    int SyncFolder(int fd) override { return ::fsync(fd); }
    int Truncate(int fd, off_t length) override { return ::ftruncate(fd, length); }
    int Close(int fd) override { return ::close(fd); }
    int Rename(const char* from, const char* to) override { return ::rename(from, to); }
    int Link(const char* from, const char* to) override { return ::link(from, to); }
    int Remove(const char* path) override { return ::unlink(path); }
    int Lock(int fd) override { return ::flock(fd, LOCK_EX | LOCK_NB); }
};

SystemFileSystem g_system;
FileSystem* g_current = &g_system;

} // namespace

FileSystem& CurrentFileSystem()
{
    return *g_current;
}

void UseFileSystem(FileSystem* fileSystem)
{
    g_current = fileSystem ? fileSystem : &g_system;
}

} // namespace pantrix
