#include "support/faulty_file_system.h"

#include <cerrno>
#include <fcntl.h>

namespace pantrix::testing {

FaultyFileSystem::FaultyFileSystem(std::size_t failingCall, Fault fault, bool persistent)
    : m_failingCall(failingCall), m_fault(fault), m_persistent(persistent)
{
    UseFileSystem(this);
}

FaultyFileSystem::~FaultyFileSystem()
{
    UseFileSystem(nullptr);
}

bool FaultyFileSystem::Failing(bool isWrite)
{
    ++m_calls;
    const bool due = m_failingCall != 0 &&
                     (m_calls == m_failingCall || (m_persistent && m_calls > m_failingCall));
    const bool fails = due && (isWrite || m_fault != Fault::ShortWrite);
    m_fired = m_fired || fails;
    return fails;
}

int FaultyFileSystem::Refused() const
{
    errno = m_fault == Fault::InputOutput ? EIO : m_fault == Fault::Denied ? EACCES : ENOSPC;
    return -1;
}

int FaultyFileSystem::Open(const char* path, int flags, mode_t mode)
{
    return Failing() ? Refused() : ::open(path, flags, mode);
}

ssize_t FaultyFileSystem::Write(int fd, const void* bytes, std::size_t count)
{
    if (!Failing(true))
        return ::write(fd, bytes, count);
    if (m_fault != Fault::ShortWrite || count < 2)
        return Refused();
    return ::write(fd, bytes, count / 2);
}

int FaultyFileSystem::Close(int fd)
{
    if (!Failing())
        return ::close(fd);
    ::close(fd); // the system releases the descriptor even when close reports an error
    return Refused();
}

int FaultyFileSystem::Remove(const char* path)
{
    if (!Failing())
        return ::unlink(path);
    m_removalRefused = true;
    return Refused();
}

} // namespace pantrix::testing
