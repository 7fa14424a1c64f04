// A file system that fails its k-th call, once or from then on, the way a full
// disk, a broken disk, a read-only folder or a short write would. It installs
// itself for its lifetime; with no failing call it only counts.
#pragma once

#include "platform/file_system.h"

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
    int MakeTwin(char* pattern) override;
    int SetMode(int fd, mode_t mode) override;
    ssize_t Write(int fd, const void* bytes, std::size_t count) override;
    int Sync(int fd) override;
    int SyncFolder(int fd) override;
    int Truncate(int fd, off_t length) override;
    int Close(int fd) override;
    int Rename(const char* from, const char* to) override;
    int Link(const char* from, const char* to) override;
    int Remove(const char* path) override;

private:
    bool Failing(bool isWrite = false); // counts the call
    int Refused() const;

    std::size_t m_failingCall;
    Fault m_fault;
    bool m_persistent;
    std::size_t m_calls = 0;
    bool m_fired = false;
    bool m_removalRefused = false;
};

} // namespace pantrix::testing
