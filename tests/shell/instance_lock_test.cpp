#include "shell/instance_lock.h"

#include "support/data_folder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pantrix {
namespace {

using testing::TestFolder;

bool InUse(const fs::path& folder)
{
    auto lock = InstanceLock::Take(folder);
    return !lock && lock.error().find("in use by another Pantrix") != std::string::npos;
}

TEST(InstanceLock, ASecondPantrixOnTheFolderIsRefusedUntilTheFirstEnds)
{
    TestFolder folder;
    {
        auto first = InstanceLock::Take(folder.Path());
        ASSERT_TRUE(first);
        EXPECT_TRUE(InUse(folder.Path()));
        EXPECT_TRUE(InUse(folder.Path() / ".")); // the folder, however it is named
    }
    EXPECT_TRUE(InstanceLock::Take(folder.Path()));
}

TEST(InstanceLock, ALockFileThatCannotBeOpenedIsNamedInTheFailure)
{
    TestFolder folder;
    fs::create_directory(folder.File(".pantrix.lock"));
    auto lock = InstanceLock::Take(folder.Path());
    ASSERT_FALSE(lock);
    EXPECT_NE(lock.error().find(".pantrix.lock\": Is a directory"), std::string::npos);
}

TEST(InstanceLock, AProcessThatDiesLeavesTheFolderFree)
{
    TestFolder folder;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto lock = InstanceLock::Take(folder.Path());
        const char held = lock ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause(); // killed below, as a crash would end it
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(InUse(folder.Path()));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(InstanceLock::Take(folder.Path()));
    ::close(ready[0]);
    ::close(ready[1]);
}

} // namespace
} // namespace pantrix
