// A file system that fails its k-th call, once or from then on, the way a full
// disk, a broken disk, a read-only folder or a short write would. It installs
// itself for its lifetime; with no failing call it only counts.
#pragma once

#include "platform/file_system.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace pantrix::testing {

enum class Fault
{
    NoSpace,
    InputOutput,
    Denied,
    ShortWrite // a write takes half its bytes; other calls pass
};

class FaultyFileSystem final : public FileSystem
{
public:
    explicit FaultyFileSystem(std::size_t failingCall = 0, Fault fault = Fault::NoSpace,
                              bool persistent = false);
    ~FaultyFileSystem() override;

    std::size_t Calls() const { return m_calls; }
    bool Fired() const { return m_fired; }
    // A removal was refused, so a twin may be left for start-up to remove.
    bool RemovalRefused() const { return m_removalRefused; }

    int Open(const char* path, int flags, mode_t mode) override;
    int MakeTwin(char* pattern) override
    {
        return Pass([&] { return ::mkstemp(pattern); });
    }
    int SetMode(int fd, mode_t mode) override
    {
        return Pass([&] { return ::fchmod(fd, mode); });
    }
    ssize_t Write(int fd, const void* bytes, std::size_t count) override;
    int Sync(int fd) override
    {
        return Pass([&] { return ::fsync(fd); });
    }
    int SyncFolder(int fd) override
    {
        return Pass([&] { return ::fsync(fd); });
    }
    int Truncate(int fd, off_t length) override
    {
        return Pass([&] { return ::ftruncate(fd, length); });
    }
    int Close(int fd) override;
    int Rename(const char* from, const char* to) override
    {
        return Pass([&] { return ::rename(from, to); });
    }
    int Link(const char* from, const char* to) override
    {
        return Pass([&] { return ::link(from, to); });
    }
    int Remove(const char* path) override;

private:
    bool Failing(bool isWrite = false); // counts the call
    int Refused() const;
    template <typename Call> int Pass(Call call) { return Failing() ? Refused() : call(); }

    std::size_t m_failingCall;
    Fault m_fault;
    bool m_persistent;
    std::size_t m_calls = 0;
    bool m_fired = false;
    bool m_removalRefused = false;
};

} // namespace pantrix::testing
