// A file system that fails its k-th call, once or from then on, the way a full
// disk, a broken disk, a read-only folder or a short write would, or that ends
// the process there, as a crash would. It installs itself for its lifetime; with
// no failing call it only counts.
#pragma once

#include "platform/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pantrix::testing {

enum class Fault
{
    NoSpace,
    InputOutput,
    Denied,
    ShortWrite, // a write takes half its bytes; other calls pass
    NoLocks,    // the file system keeps no locks
    Crash       // the process ends with kCrashed
};

class FaultyFileSystem final : public FileSystem
{
public:
    static constexpr int kCrashed = 86;

    // With Fault::Crash the count has a point before every call and one more
    // after each rename, link and sync, whose effect then holds.
    explicit FaultyFileSystem(std::size_t failingCall = 0, Fault fault = Fault::NoSpace,
                              bool persistent = false)
        : m_failingCall(failingCall), m_fault(fault), m_persistent(persistent)
    {
        UseFileSystem(this);
    }
    ~FaultyFileSystem() override { UseFileSystem(nullptr); }

    std::size_t Calls() const { return m_calls; }
    bool Fired() const { return m_fired; }
    // A removal was refused, so a twin may be left for start-up to remove.
    bool RemovalRefused() const { return m_removalRefused; }

    int Open(const char* path, int flags, mode_t mode) override
    {
        return Due() ? Refused() : ::open(path, flags, mode);
    }
    int MakeTwin(char* pattern) override { return Due() ? Refused() : ::mkstemp(pattern); }
    int SetMode(int fd, mode_t mode) override { return Due() ? Refused() : ::fchmod(fd, mode); }
    ssize_t Write(int fd, const void* bytes, std::size_t count) override
    {
        if (!Due(true))
            return ::write(fd, bytes, count);
        return m_fault != Fault::ShortWrite || count < 2 ? Refused()
                                                         : ::write(fd, bytes, count / 2);
    }
    // What these tests make is a failure or a crash, not a power cut: the
    // system's cache outlives the process, so nothing need reach the disk.
    int Sync(int) override { return Lasting(Due() ? Refused() : 0); }
    int SyncFolder(int) override { return Lasting(Due() ? Refused() : 0); }
    int Truncate(int fd, off_t size) override { return Due() ? Refused() : ::ftruncate(fd, size); }
    // The system releases the descriptor even when close reports an error.
    int Close(int fd) override { return Due() ? (::close(fd), Refused()) : ::close(fd); }
    int Rename(const char* from, const char* to) override
    {
        return Lasting(Due() ? Refused() : ::rename(from, to));
    }
    int Link(const char* from, const char* to) override
    {
        return Lasting(Due() ? Refused() : ::link(from, to));
    }
    int Remove(const char* path) override
    {
        return Due() ? (m_removalRefused = true, Refused()) : ::unlink(path);
    }
    int Lock(int fd) override { return Due() ? Refused() : ::flock(fd, LOCK_EX | LOCK_NB); }

private:
    bool Due(bool isWrite = false) // counts the call
    {
        ++m_calls;
        const bool due = m_failingCall != 0 &&
                         (m_calls == m_failingCall || (m_persistent && m_calls > m_failingCall));
        if (due && m_fault == Fault::Crash)
            ::_exit(kCrashed);
        const bool fails = due && (isWrite || m_fault != Fault::ShortWrite);
        m_fired = m_fired || fails;
        return fails;
    }
    int Refused() const
    {
        constexpr int kNumbers[] = {ENOSPC, EIO, EPERM, ENOSPC, ENOLCK};
        errno = kNumbers[static_cast<int>(m_fault)];
        return -1;
    }
    int Lasting(int result) // counts the crash point after the call
    {
        if (m_fault == Fault::Crash)
            (void)Due();
        return result;
    }

    std::size_t m_failingCall;
    Fault m_fault;
    bool m_persistent;
    std::size_t m_calls = 0;
    bool m_fired = false;
    bool m_removalRefused = false;
};

} // namespace pantrix::testing
