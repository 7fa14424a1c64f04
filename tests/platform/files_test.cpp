#include "platform/files.h"
#include "platform/record_file.h"
#include "shell/instance_lock.h"

#include "support/data_folder.h"
#include "support/faulty_file_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace pantrix {
namespace {

using namespace testing;

TEST(Files, AMissingFileReadsEmptyAndAFolderInItsPlaceIsAFailure)
{
    TestFolder folder;
    fs::create_directory(folder.File("category.lst"));
    EXPECT_EQ(ReadWholeFile(folder.File("a.lst")).value(), "");
    EXPECT_FALSE(folder.Exists("a.lst"));
    EXPECT_EQ(ReadOrCreateFile(folder.File("a.lst")).value(), "");
    EXPECT_TRUE(folder.Exists("a.lst"));
    EXPECT_FALSE(ReadWholeFile(folder.File("category.lst")));
    EXPECT_FALSE(ReadOrCreateFile(folder.File("category.lst")));
    EXPECT_FALSE(FileLength(folder.File("category.lst")));
}

TEST(Files, WritesKeepEveryByteTheyDoNotChange)
{
    using namespace std::string_view_literals;
    const std::tuple<std::string_view, std::function<Status(const fs::path&)>, std::string_view>
        cases[] = {{"abcXY", [](const fs::path& f) { return WriteTail(f, 5, "def"); }, "abcXYdef"},
                   {"abcXY", [](const fs::path& f) { return WriteTail(f, 3, "123"); }, "abc123"},
                   {"aaabbbcc", [](const fs::path& f) { return RecordFile(f, 3).Append("ddd"); },
                    "aaabbbddd"},
                   {"aaabbbccc-",
                    [](const fs::path& f) { return RecordFile(f, 3).WriteRecord(2, "XYZ"); },
                    "aaaXYZccc-"},
                   {"", [](const fs::path& f) { return RecordFile(f, 2).WriteRecord(2, "ab"); },
                    "\0\0ab"sv}};
    for (const auto& [old, write, expected] : cases) {
        SCOPED_TRACE(expected);
        TestFolder folder;
        folder.Write("r", old);
        ASSERT_TRUE(write(folder.File("r")));
        EXPECT_EQ(folder.Read("r"), expected);
    }
}

TEST(Files, AReplacedFileKeepsItsMode)
{
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0755)}) {
        TestFolder folder;
        for (const char* name : {"a", "b"}) {
            folder.Write(name, "old");
            fs::permissions(folder.File(name), mode);
        }
        ASSERT_TRUE(ReplaceFile(folder.File("a"), "new"));
        ASSERT_TRUE(ReplaceFilesTogether(folder.File("a"), "1", folder.File("b"), "2"));
        for (const char* name : {"a", "b"})
            EXPECT_EQ(fs::status(folder.File(name)).permissions(), mode) << name;
        // A new file follows the user's mask, as one made by any other program.
        const mode_t mask = ::umask(~static_cast<mode_t>(mode) & 0777);
        ASSERT_TRUE(ReplaceFile(folder.File("c"), "new"));
        ::umask(mask);
        EXPECT_EQ(fs::status(folder.File("c")).permissions(), mode & fs::perms(0666));
    }
}

// Each failure names the file, says what failed and why, and what the files
// now hold when that is not simply the old content.
TEST(Files, FailureMessagesSayWhatFailedAndWhatTheFilesHold)
{
    TestFolder folder;
    const std::string a = "\"" + folder.File("a").native() + "\"";
    const std::string b = "\"" + folder.File("b").native() + "\"";
    const std::tuple<std::size_t, std::function<Status()>, std::string> cases[] = {
        {2, [&] { return ReplaceFile(folder.File("a"), "new"); },
         "Could not write " + a + ": No space left on device"},
        {7, [&] { return ReplaceFile(folder.File("a"), "new"); },
         "Could not sync \"" + folder.Path().native() +
             "\": No space left on device - the new file is saved, but may not survive a "
             "power cut."},
        {2, [&] { return WriteTail(folder.File("a"), 3, "more"); },
         "Could not write " + a +
             ": No space left on device - and it could not be cut back to its old length."},
        {17, [&] { return ReplaceFilesTogether(folder.File("a"), "1", folder.File("b"), "2"); },
         "Could not write " + b + ": No space left on device - and " + a +
             " could not be put back yet; Pantrix! puts it back when it next starts."},
        {9,
         [&] {
             return MoveFilesTogether(folder.File("a"), folder.File("c"), folder.File("b"),
                                      folder.File("d"));
         },
         "Could not move " + b + ": No space left on device - and \"" + folder.File("c").native() +
             "\" could not be moved back yet; Pantrix! moves it back when it next starts."},
        {1, [&] { return InstanceLock::Take(folder.Path()).status(); }, ""}, // no locks: no lock
    };
    for (const auto& [call, save, expected] : cases) {
        SCOPED_TRACE(expected);
        folder.Write("a", "old");
        folder.Write("b", "old");
        FaultyFileSystem faulty(call, expected.empty() ? Fault::NoLocks : Fault::NoSpace, true);
        const Status status = save();
        EXPECT_TRUE(faulty.Fired());
        EXPECT_EQ(status.ok() && status.durable() ? "" : status.error(), expected);
    }
    auto first = InstanceLock::Take(folder.Path());
    EXPECT_EQ(InstanceLock::Take(folder.Path()).error(),
              "The data folder \"" + folder.Path().native() + "\" is in use by another Pantrix.");
}

TEST(Files, OnlyHiddenTwinsAreRemovedAsStale)
{
    TestFolder folder;
    const std::vector<std::pair<std::string, bool>> names = {
        {".px31.cfg.a8Bz0Q", true}, {".category.lst.backup", true}, {"px31.cfg", false},
        {".pantrix.lock", false},   {".px31.cfg.a8Bz0", false},     {".px31.cfg.a8-z0Q", false},
        {"..abcdef", false},        {"Soup.rcp.abcdef", false}};
    for (const auto& [name, twin] : names)
        folder.Write(name, "x");
    RemoveStaleTwins(folder.Path());
    for (const auto& [name, twin] : names)
        EXPECT_EQ(folder.Exists(name), !twin) << name;
}

} // namespace
} // namespace pantrix
