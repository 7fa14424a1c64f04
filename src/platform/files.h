// The file-system layer: whole-file reads, appends, and the one crash-safe way
// every file of the program is replaced.
#pragma once

#include "platform/status.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pantrix {

namespace fs = std::filesystem;

// The user's own data is synced to disk before it takes the old file's place,
// and the folder after; generated output, which can always be made again, is
// only replaced in one step.
enum class Durability
{
    Synced,
    Replaceable
};

// The whole file; a missing file reads as empty without being created.
Result<std::string> ReadWholeFile(const fs::path& file);

// Like ReadWholeFile, but a missing file is first created empty, as the catalogue
// and settings files are the first time they are opened.
Result<std::string> ReadOrCreateFile(const fs::path& file);

// Creates the file empty when it is missing; an existing file is left as it is.
Status CreateIfMissing(const fs::path& file);

// Length in bytes; 0 for a missing file.
Result<std::uintmax_t> FileLength(const fs::path& file);

// Writes the content to a twin in the same folder and renames it over the file,
// so that the old content stays whole until the new one is complete. The file
// keeps its mode; one the user made read-only is not replaced. When only
// the folder sync after the rename failed, the answer is Status::Unsynced.
Status ReplaceFile(const fs::path& file, std::string_view content,
                   Durability durability = Durability::Synced);

// Replaces two files of one folder that belong together so that they end both
// old or both new: both twins are written first, then renamed; when the second
// rename fails, or the process ends between them, the first file is put back as
// it was, at once or else by RemoveStaleTwins at the next start.
Status ReplaceFilesTogether(const fs::path& first, std::string_view firstContent,
                            const fs::path& second, std::string_view secondContent);

// Moves two files of one folder to new names so that both end under their old
// names or both under their new ones: a move stopped between the two is undone,
// at once or else by RemoveStaleTwins at the next start.
Status MoveFilesTogether(const fs::path& first, const fs::path& firstTo, const fs::path& second,
                         const fs::path& secondTo);

// Adds bytes at `offset`, which must be at or before the end of the file; bytes
// after it are dropped. When the offset is the end, this appends in place and
// syncs, and a failure cuts the file back to `offset`; otherwise the file is replaced.
Status WriteTail(const fs::path& file, std::uintmax_t offset, std::string_view content);

// The regular file in the folder whose name equals `name` without regard to ASCII
// case, as a name the user typed on another system may differ from ours. The exact
// spelling wins; among the others the first in byte order, so that the folder's
// listing order never decides.
std::optional<fs::path> FindFileAnyCase(const fs::path& folder, std::string_view name);

// A hidden twin's name: "." + the file's name + "." + six letters or digits.
bool IsTwinName(std::string_view name);

// Removes the twins a crash, or a removal that failed, left in the folder, after
// putting back a pair of files replaced or moved only half way. Only while no
// save is under way: a twin in use would go with them.
void RemoveStaleTwins(const fs::path& folder);

// The same in a folder other programs and other runs write to as well: only the
// twins of the files `ours` names, and only those untouched for a minute, which a
// save under way never is. Nothing else in the folder is touched.
void RemoveStaleTwins(const fs::path& folder, const std::function<bool(std::string_view)>& ours);

// A short-lived file, written new in place of whatever had its name: never
// through a link of that name, and never into a pipe, whose open would wait.
// What cannot be written is left unwritten, untold: the file is only a hint.
void WriteScratchFile(const fs::path& file, std::string_view content);

Status RemoveFile(const fs::path& file);                   // a missing file is no failure
Status MoveFile(const fs::path& from, const fs::path& to); // replaces `to` in one step

// A path as messages and panels show it (UTF-8). Only this shown form is
// converted: the path itself keeps the bytes the system gave, so a name in any
// script still opens the same file.
std::string ShownPath(const fs::path& path);

// The path a settings field names. The field holds the path's own bytes; one
// written by an older program holds Windows-1252 text, read as such.
fs::path FieldPath(std::string_view field);

std::string DescribeError(const fs::path& file, std::string_view action, int errorNumber);
// A failure naming the file, with the system's error number.
Status Failed(const fs::path& file, std::string_view action, int number);

} // namespace pantrix
