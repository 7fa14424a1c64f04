// A file system, installed for its lifetime, that fails its k-th call once or from then on
// as a full, broken or read-only disk would, or ends the process there; or only counts.
#pragma once

#include "platform/file_system.h"

#include <cerrno>
#include <cstdio>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pantrix::testing {

// In the order of kErrorNumbers; a short write takes half the bytes and other calls pass.
// clang-format off
enum class Fault { NoSpace, InputOutput, Denied, ShortWrite, NoLocks, Crash };
// clang-format on

class FaultyFileSystem final : public FileSystem
{
public:
    static constexpr int kCrashed = 86; // the exit code of a crash
    static constexpr int kErrorNumbers[] = {ENOSPC, EIO, EPERM, ENOSPC, ENOLCK};

    // A crash has a point before every call and after each rename, link and sync.
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

    int Open(const char* p, int f, mode_t m) override { return Due() ? Fail() : ::open(p, f, m); }
    int MakeTwin(char* pattern) override { return Due() ? Fail() : ::mkstemp(pattern); }
    int SetMode(int fd, mode_t mode) override { return Due() ? Fail() : ::fchmod(fd, mode); }
    ssize_t Write(int fd, const void* bytes, std::size_t count) override
    {
        if (!Due(true))
            return ::write(fd, bytes, count);
        return m_fault == Fault::ShortWrite && count > 1 ? ::write(fd, bytes, count / 2) : Fail();
    }
    // A failure or a crash, not a power cut: the cache outlives the process, nothing syncs.
    int Sync(int) override { return Held(Due() ? Fail() : 0); }
    int SyncFolder(int) override { return Held(Due() ? Fail() : 0); }
    int Truncate(int fd, off_t size) override { return Due() ? Fail() : ::ftruncate(fd, size); }
    // The system releases the descriptor even when close reports an error.
    int Close(int fd) override { return Due() ? (::close(fd), Fail()) : ::close(fd); }
    int Rename(const char* a, const char* b) override
    {
        return Held(Due() ? Fail() : ::rename(a, b));
    }
    int Link(const char* a, const char* b) override { return Held(Due() ? Fail() : ::link(a, b)); }
    int Remove(const char* p) override
    {
        return Due() ? (m_removalRefused = true, Fail()) : ::unlink(p);
    }
    int Lock(int fd) override { return Due() ? Fail() : ::flock(fd, LOCK_EX | LOCK_NB); }

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
    int Fail() const { return errno = kErrorNumbers[int(m_fault)], -1; }
    int Held(int result) // counts the crash point after the call, whose effect then holds
    {
        if (m_fault == Fault::Crash)
            Due();
        return result;
    }

    const std::size_t m_failingCall;
    const Fault m_fault;
    const bool m_persistent;
    std::size_t m_calls = 0;
    bool m_fired = false, m_removalRefused = false;
};

} // namespace pantrix::testing
