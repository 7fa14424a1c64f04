#include "support/faulty_file_system.h"

#include <cerrno>

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

bool FaultyFileSystem::Due(bool isWrite)
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

int FaultyFileSystem::Refused() const
{
    const int numbers[] = {ENOSPC, EIO, EPERM, ENOSPC, ENOLCK};
    errno = numbers[static_cast<int>(m_fault)];
    return -1;
}

int FaultyFileSystem::Lasting(int result)
{
    if (m_fault == Fault::Crash)
        (void)Due();
    return result;
}

ssize_t FaultyFileSystem::Write(int fd, const void* bytes, std::size_t count)
{
    if (!Due(true))
        return ::write(fd, bytes, count);
    if (m_fault != Fault::ShortWrite || count < 2)
        return Refused();
    return ::write(fd, bytes, count / 2);
}

int FaultyFileSystem::Close(int fd)
{
    if (!Due())
        return ::close(fd);
    ::close(fd); // the system releases the descriptor even when close reports an error
    return Refused();
}

int FaultyFileSystem::Remove(const char* path)
{
    if (!Due())
        return ::unlink(path);
    m_removalRefused = true;
    return Refused();
}

} // namespace pantrix::testing
