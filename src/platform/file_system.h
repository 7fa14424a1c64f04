// The system calls through which the program changes files, behind one small
// interface, so that tests can make any one of them fail as a full or broken
// disk would. Each call answers as the system call does: -1 (or a short count)
// with errno set.
#pragma once

#include <cstddef>
#include <sys/types.h>

namespace pantrix {

class FileSystem
{
public:
    FileSystem() = default;
    virtual ~FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;

    virtual int Open(const char* path, int flags, mode_t mode) = 0;
    virtual int MakeTwin(char* pattern) = 0; // mkstemp
    virtual int SetMode(int fd, mode_t mode) = 0;
    virtual ssize_t Write(int fd, const void* bytes, std::size_t count) = 0;
    virtual int Sync(int fd) = 0;
    virtual int SyncFolder(int fd) = 0;
    virtual int Truncate(int fd, off_t length) = 0;
    virtual int Close(int fd) = 0;
    virtual int Rename(const char* from, const char* to) = 0;
    virtual int Link(const char* from, const char* to) = 0;
    virtual int Remove(const char* path) = 0;
    virtual int Lock(int fd) = 0; // flock(LOCK_EX | LOCK_NB)
};

// The one in use: the real system unless a test installed another.
FileSystem& CurrentFileSystem();

// Installs `fileSystem` for the whole process; nullptr goes back to the real one.
void UseFileSystem(FileSystem* fileSystem);

} // namespace pantrix
