#include "platform/files.h"

#include "platform/file_system.h"
#include "text/cp1252.h"
#include "text/fields.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace pantrix {
namespace {

FileSystem& System()
{
    return CurrentFileSystem();
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = System().Write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = ENOSPC; // a write that takes nothing says why only by its count
        if (written <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A folder, a pipe or a device is no file of the program's: a pipe could wait
// for a writer, a device never end. The error told for it, or 0 for a file.
int NotAFile(const struct stat& info)
{
    return S_ISREG(info.st_mode) ? 0 : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
}

Result<std::string> ReadOpenFile(int fd, const fs::path& file)
{
    std::string content;
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && NotAFile(info))
        return Failed(file, "read", NotAFile(info));
    if (info.st_size > 0)
        content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failed(file, "read", errno);
        if (got == 0)
            return content;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

Status SyncFolder(const fs::path& folder)
{
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid() || System().SyncFolder(fd.get()) != 0)
        return Failed(folder, "sync", errno);
    return Status::Ok();
}

// Called after a rename has put the new file in place.
Status SyncFolderAfterRename(const fs::path& folder)
{
    Status synced = SyncFolder(folder);
    if (synced)
        return synced;
    return Status::Unsynced(synced.error() + " - the new file is saved, but may not survive a "
                                             "power cut.",
                            synced.number());
}

fs::path FolderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A file the user made read-only keeps its content: the rename that replaces a
// file would otherwise pass over its mode. A missing file is writable. Asked
// without opening the file, which for a named pipe would wait for a reader.
int Unwritable(const fs::path& file)
{
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0)
        return 0;
    return errno == EACCES || errno == EPERM || errno == EROFS ? errno : 0;
}

// The mode a file created with open() would get: read and write for all, less
// the user's mask. The mask is read, not set and reset, which would race with
// other threads creating files.
mode_t NewFileMode()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Umask:"))
            return 0666 & ~static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    return 0644;
}

// The content in a complete twin beside the file, ready to be renamed over it.
Result<fs::path> WriteTwin(const fs::path& file, std::string_view content, bool synced)
{
    if (const int readOnly = Unwritable(file))
        return Failed(file, "write", readOnly);
    std::string twinName = (FolderOf(file) / ("." + file.filename().string() + ".XXXXXX")).string();
    FileDescriptor fd(System().MakeTwin(twinName.data()));
    if (!fd.valid())
        return Failed(file, "write", errno);
    const fs::path twin(twinName);
    struct stat old
    {
    };
    const mode_t mode = ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
    if (System().SetMode(fd.get(), mode) != 0 || !WriteAll(fd.get(), content) ||
        (synced && System().Sync(fd.get()) != 0) || System().Close(fd.release()) != 0) {
        const int error = errno;
        (void)System().Remove(twin.c_str());
        return Failed(file, "write", error);
    }
    return twin;
}

// Beside the first file of a pair being replaced together: its old content, and
// the second file's new content until the second file takes it.
fs::path PairFile(const fs::path& first, std::string_view role)
{
    return FolderOf(first) / ("." + first.filename().string() + "." + std::string(role));
}

// A pair whose second file never took its new content is put back as it was:
// the first file from its second name, or removed when it was not there before.
void PutBackUnfinishedPairs(const fs::path& folder)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().native();
        const std::string_view suffix = ".commit";
        if (name.size() <= suffix.size() + 1 || name[0] != '.' || !name.ends_with(suffix))
            continue;
        const fs::path first = folder / name.substr(1, name.size() - 1 - suffix.size());
        // Without a mark of what it was, the first file is left alone: the commit
        // name may be only a twin whose removal failed after the put-back.
        std::error_code missing;
        if (fs::exists(PairFile(first, "backup"), missing))
            (void)System().Rename(PairFile(first, "backup").c_str(), first.c_str());
        else if (fs::exists(PairFile(first, "absent"), missing))
            (void)System().Remove(first.c_str());
    }
}

// The record of a move of two files under way: the four names, each ended by a NUL.
const char* const kMoveRecord = ".pantrix.moving";

// A move of two files that stopped after the first is undone, so that both keep
// their old names.
void UndoUnfinishedMove(const fs::path& folder)
{
    const fs::path record = folder / kMoveRecord;
    auto names = ReadWholeFile(record);
    if (!names || names.value().empty())
        return;
    std::vector<fs::path> files;
    for (std::string_view rest = names.value(); rest.find('\0') != std::string_view::npos;) {
        files.push_back(folder / std::string(rest.substr(0, rest.find('\0'))));
        rest.remove_prefix(rest.find('\0') + 1);
    }
    std::error_code error;
    if (files.size() == 4 && fs::exists(files[1], error) && !fs::exists(files[0], error) &&
        fs::exists(files[2], error))
        (void)System().Rename(files[1].c_str(), files[0].c_str());
    (void)System().Remove(record.c_str());
}

bool SameAsciiLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

} // namespace

std::string ShownPath(const fs::path& path)
{
    return ShownName(path.native());
}

fs::path FieldPath(std::string_view field)
{
    return fs::path(ShownName(Trim(field)));
}

std::string DescribeError(const fs::path& file, std::string_view action, int errorNumber)
{
    return "Could not " + std::string(action) + " \"" + ShownPath(file) +
           "\": " + std::strerror(errorNumber);
}

Status Failed(const fs::path& file, std::string_view action, int number)
{
    return Status::Failure(DescribeError(file, action, number), number);
}

Result<std::string> ReadWholeFile(const fs::path& file)
{
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return errno == ENOENT ? Result<std::string>(std::string()) : Failed(file, "read", errno);
    return ReadOpenFile(fd.get(), file);
}

Result<std::string> ReadOrCreateFile(const fs::path& file)
{
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.valid())
        return ReadOpenFile(fd.get(), file);
    if (errno != ENOENT)
        return Failed(file, "read", errno);
    FileDescriptor created(System().Open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (!created.valid())
        return Failed(file, "create", errno);
    return std::string();
}

Status CreateIfMissing(const fs::path& file)
{
    struct stat info
    {
    };
    if (::stat(file.c_str(), &info) == 0 && NotAFile(info))
        return Failed(file, "read", NotAFile(info));
    FileDescriptor fd(
        System().Open(file.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644));
    if (!fd.valid())
        return Failed(file, "create", errno);
    return Status::Ok();
}

Result<std::uintmax_t> FileLength(const fs::path& file)
{
    struct stat info
    {
    };
    if (::stat(file.c_str(), &info) != 0)
        return errno == ENOENT ? Result<std::uintmax_t>(0) : Failed(file, "examine", errno);
    if (NotAFile(info))
        return Failed(file, "read", NotAFile(info));
    return static_cast<std::uintmax_t>(info.st_size);
}

Status ReplaceFile(const fs::path& file, std::string_view content, Durability durability)
{
    const bool synced = durability == Durability::Synced;
    auto twin = WriteTwin(file, content, synced);
    if (!twin)
        return twin.status();
    if (System().Rename(twin.value().c_str(), file.c_str()) != 0) {
        const int error = errno;
        (void)System().Remove(twin.value().c_str());
        return Failed(file, "write", error);
    }
    return synced ? SyncFolderAfterRename(FolderOf(file)) : Status::Ok();
}

void WriteScratchFile(const fs::path& file, std::string_view content)
{
    if (System().Remove(file.c_str()) != 0 && errno != ENOENT)
        return;
    // Created new: whatever takes the name meanwhile makes the open fail, never
    // receives the content.
    FileDescriptor fd(System().Open(
        file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (fd.valid())
        (void)WriteAll(fd.get(), content);
}

// Marks what the first file of a pair was, for start-up to put it back: a second
// name for it (a hard link, or a copy where the file system has none), or a mark
// that it was not there. False when there was no first file.
Result<bool> KeepOldFile(const fs::path& first, const fs::path& kept, const fs::path& absent)
{
    if (System().Link(first.c_str(), kept.c_str()) == 0)
        return true;
    const int error = errno;
    if (error == ENOENT) {
        FileDescriptor mark(System().Open(absent.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        if (!mark.valid())
            return Failed(first, "write", errno);
        return false;
    }
    // Only a file system without hard links is worked around; any other failure
    // of the link is the save's failure.
    if (error != EPERM && error != EOPNOTSUPP && error != EMLINK)
        return Failed(first, "write", error);
    auto old = ReadWholeFile(first);
    if (!old)
        return old.status();
    if (Status copied = ReplaceFile(kept, old.value()); !copied)
        return copied;
    return true;
}

Status ReplaceFilesTogether(const fs::path& first, std::string_view firstContent,
                            const fs::path& second, std::string_view secondContent)
{
    const fs::path kept = PairFile(first, "backup");
    const fs::path absent = PairFile(first, "absent");
    const fs::path pending = PairFile(first, "commit");
    // A mark left by an earlier pair would tell start-up to undo this one, so the
    // pair does not begin while one remains. The commit name goes first: without
    // it start-up reads no mark at all.
    for (const fs::path& stale : {pending, absent, kept})
        if (System().Remove(stale.c_str()) != 0 && errno != ENOENT)
            return Failed(first, "write", errno);
    auto firstTwin = WriteTwin(first, firstContent, true);
    if (!firstTwin)
        return firstTwin.status();
    auto secondTwin = WriteTwin(second, secondContent, true);
    if (!secondTwin) {
        (void)System().Remove(firstTwin.value().c_str());
        return secondTwin.status();
    }
    const auto removeTwins = [&] {
        for (const fs::path& twin : {firstTwin.value(), secondTwin.value(), pending, absent, kept})
            (void)System().Remove(twin.c_str());
    };
    const auto failed = [&](const fs::path& file, int error) {
        removeTwins();
        return Failed(file, "write", error);
    };
    // While the second file's new content waits under a fixed name, the pair is
    // not replaced: start-up then puts the first file back as it was, so that a
    // crash at any step leaves both old or both new. The old first file is put
    // back by a rename, which needs no free space.
    const auto hadFirst = KeepOldFile(first, kept, absent);
    if (!hadFirst) {
        removeTwins();
        return hadFirst.status();
    }
    if (System().Rename(secondTwin.value().c_str(), pending.c_str()) != 0)
        return failed(second, errno);
    if (System().Rename(firstTwin.value().c_str(), first.c_str()) != 0)
        return failed(first, errno);
    if (System().Rename(pending.c_str(), second.c_str()) != 0) {
        const int error = errno;
        if (hadFirst.value() ? System().Rename(kept.c_str(), first.c_str()) == 0
                             : System().Remove(first.c_str()) == 0)
            return failed(second, error);
        return Status::Failure(DescribeError(second, "write", error) + " - and \"" +
                                   ShownPath(first) +
                                   "\" could not be put back yet; Pantrix! puts it back when it "
                                   "next starts.",
                               error);
    }
    (void)System().Remove((hadFirst.value() ? kept : absent).c_str());
    return SyncFolderAfterRename(FolderOf(first));
}

Status MoveFilesTogether(const fs::path& first, const fs::path& firstTo, const fs::path& second,
                         const fs::path& secondTo)
{
    const fs::path folder = FolderOf(first);
    std::string names;
    for (const fs::path& file : {first, firstTo, second, secondTo})
        names += file.filename().native() + '\0';
    if (Status recorded = ReplaceFile(folder / kMoveRecord, names); !recorded)
        return recorded;
    const auto forget = [&](Status outcome) {
        (void)System().Remove((folder / kMoveRecord).c_str());
        return outcome;
    };
    if (System().Rename(first.c_str(), firstTo.c_str()) != 0)
        return forget(Failed(first, "move", errno));
    if (System().Rename(second.c_str(), secondTo.c_str()) == 0)
        return forget(SyncFolderAfterRename(folder));
    const Status moved = Failed(second, "move", errno);
    if (System().Rename(firstTo.c_str(), first.c_str()) != 0)
        return Status::Failure(moved.error() + " - and \"" + ShownPath(firstTo) +
                                   "\" could not be moved back yet; Pantrix! moves it back when it "
                                   "next starts.",
                               moved.number());
    return forget(moved);
}

Status WriteTail(const fs::path& file, std::uintmax_t offset, std::string_view content)
{
    auto length = FileLength(file);
    if (!length)
        return length.status();
    if (offset != length.value()) {
        auto old = ReadWholeFile(file);
        if (!old)
            return old.status();
        std::string whole = old.value().substr(0, static_cast<std::size_t>(offset));
        whole.append(content);
        return ReplaceFile(file, whole);
    }
    FileDescriptor fd(System().Open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (!fd.valid())
        return Failed(file, "write", errno);
    if (!WriteAll(fd.get(), content) || System().Sync(fd.get()) != 0) {
        const int error = errno;
        // Cut back to the old length, so that a failed append leaves the file as it
        // was rather than a part of a record longer.
        if (System().Truncate(fd.get(), static_cast<off_t>(offset)) != 0)
            return Status::Failure(DescribeError(file, "write", error) +
                                       " - and it could not be cut back to its old length.",
                                   error);
        return Failed(file, "write", error);
    }
    return Status::Ok();
}

std::optional<fs::path> FindFileAnyCase(const fs::path& folder, std::string_view name)
{
    std::error_code error;
    if (fs::is_regular_file(folder / name, error))
        return folder / name;
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code unreadable; // an entry that cannot be examined is passed over
        if (SameAsciiLetters(it->path().filename().native(), name) &&
            it->is_regular_file(unreadable) && (!found || it->path() < *found))
            found = it->path();
    }
    return found;
}

bool IsTwinName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    const auto alphanumeric = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    return name.size() > 1 && name[0] == '.' && dot != std::string_view::npos && dot > 1 &&
           name.size() - dot == 7 && std::ranges::all_of(name.substr(dot + 1), alphanumeric);
}

void RemoveStaleTwins(const fs::path& folder)
{
    PutBackUnfinishedPairs(folder);
    UndoUnfinishedMove(folder);
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code unreadable;
        if (IsTwinName(it->path().filename().native()) && it->is_regular_file(unreadable))
            (void)RemoveFile(it->path());
    }
}

void RemoveStaleTwins(const fs::path& folder, const std::function<bool(std::string_view)>& ours)
{
    const auto settled = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().native();
        if (!IsTwinName(name) || !ours(std::string_view(name).substr(1, name.size() - 8)))
            continue;
        std::error_code unreadable, undated;
        const bool regular = it->symlink_status(unreadable).type() == fs::file_type::regular;
        if (regular && !unreadable && it->last_write_time(undated) < settled && !undated)
            (void)RemoveFile(it->path());
    }
}

Status RemoveFile(const fs::path& file)
{
    if (System().Remove(file.c_str()) != 0 && errno != ENOENT)
        return Failed(file, "delete", errno);
    return Status::Ok();
}

Status MoveFile(const fs::path& from, const fs::path& to)
{
    if (System().Rename(from.c_str(), to.c_str()) != 0)
        return Failed(from, "move", errno);
    return SyncFolderAfterRename(FolderOf(to));
}

} // namespace pantrix
