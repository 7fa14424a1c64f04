// Keeps a second Pantrix away from a data folder that one is using, since the
// last to close would write over the other's list and settings.
#pragma once

#include "platform/files.h"

namespace pantrix {

// The lock file's name in the data folder.
inline constexpr std::string_view kLockFileName = ".pantrix.lock";

// An advisory lock on the lock file, held while the object lives. The system
// drops it when the process ends, by a crash too, so it never stays stuck.
class InstanceLock
{
public:
    // The lock, or a failure that says the folder is in use by another Pantrix
    // (or why the lock file could not be opened). On a file system without locks
    // the answer is a lock that holds nothing.
    static Result<InstanceLock> Take(const fs::path& folder);

    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

private:
    explicit InstanceLock(int fd) : m_fd(fd) {}
    int m_fd;
};

} // namespace pantrix
