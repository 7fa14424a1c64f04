#include "shell/instance_lock.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace pantrix
