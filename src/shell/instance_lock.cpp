#include "shell/instance_lock.h"

#include "platform/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace pantrix {

Result<InstanceLock> InstanceLock::Take(const fs::path& folder)
{
    const fs::path file = folder / std::string(kLockFileName);
    // Not inherited by the programs Pantrix starts (the browser, the help
    // viewer), which may outlive it and would hold the folder locked.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return Failed(file, "open", errno);
    // flock, not fcntl: its lock belongs to this open file, so it is released
    // only when this descriptor closes, never by another close in the process.
    if (CurrentFileSystem().Lock(fd) == 0)
        return InstanceLock(fd);
    const int error = errno;
    ::close(fd);
    // A file system that keeps no locks (some network shares) cannot tell of a
    // second Pantrix; refusing to start there would lock the user out for good.
    if (error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS)
        return InstanceLock(-1);
    if (error != EWOULDBLOCK)
        return Failed(file, "lock", error);
    return Status::Failure(
        "The data folder \"" + ShownPath(folder) + "\" is in use by another Pantrix.", error);
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept
{
    std::swap(m_fd, other.m_fd);
    return *this;
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace pantrix
