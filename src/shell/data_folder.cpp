#include "shell/data_folder.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_text.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace pantrix {
namespace {

Status FolderFailure(const fs::path& folder, std::string_view what, int number)
{
    return Status::Failure("The data folder \"" + ShownPath(folder) + "\" " + std::string(what) +
                               ": " + std::generic_category().message(number) + ".",
                           number);
}

bool Exists(const fs::path& file)
{
    std::error_code ignored;
    return fs::exists(file, ignored);
}

} // namespace

std::string DataPathText(const fs::path& folder)
{
    std::string text = folder.native();
    if (text.empty() || text.back() != '/')
        text += '/';
    return text;
}

Status PrepareDataFolder(const fs::path& folder)
{
    std::error_code error;
    if (fs::exists(folder, error) && !fs::is_directory(folder, error))
        return Status::Failure(
            "The data folder \"" + ShownPath(folder) + "\" is a file, not a folder.", ENOTDIR);
    fs::create_directories(folder, error);
    if (error)
        return FolderFailure(folder, "could not be created", error.value());
    if (::access(folder.c_str(), R_OK | W_OK | X_OK) != 0)
        return FolderFailure(folder, "cannot be read and written", errno);
    return Status::Ok();
}

Status InstallDataFiles(const fs::path& resourceFolder, const fs::path& folder)
{
    // The help pages are the program's own and follow the installed version; the
    // graphics and the link image may have been replaced by the user's own.
    const std::pair<const char*, fs::copy_options> installed[] = {
        {"graphics", fs::copy_options::skip_existing},
        {"gofore.jpg", fs::copy_options::skip_existing},
        {"px_help", fs::copy_options::overwrite_existing}};
    for (const auto& [name, rule] : installed) {
        const fs::path source = resourceFolder / name;
        if (!Exists(source))
            continue;
        std::error_code error;
        fs::copy(source, folder / name, fs::copy_options::recursive | rule, error);
        if (error)
            return Status::Failure("Could not copy \"" + ShownPath(source) + "\" into \"" +
                                       ShownPath(folder) + "\": " + error.message(),
                                   error.value());
    }
    return Status::Ok();
}

Status DeliverStarterCatalogue(const fs::path& resourceFolder, const fs::path& folder)
{
    for (const auto name : {kCategoryFile, kItemFile, kCategoryNewFile, kItemNewFile})
        if (Exists(folder / std::string(name)))
            return Status::Ok();
    const fs::path starterFile = resourceFolder / std::string(kStarterCatalogueFile);
    // A missing installation would otherwise deliver an empty catalogue, which
    // keeps the real one away for good once the program is installed whole.
    if (!Exists(starterFile))
        return Status::Failure("The starter catalogue \"" + ShownPath(starterFile) +
                                   "\" is missing, so the catalogue starts empty. Please "
                                   "install Pantrix again.",
                               ENOENT);
    auto text = ReadWholeFile(starterFile);
    if (!text)
        return text.status();
    const CatalogueText starter = ParseCatalogueText(text.value());
    // Both or neither: a category file delivered alone would stop the next start
    // from delivering the catalogue at all. The category file takes its place
    // first, as the merge acts once the item file is there.
    return ReplaceFilesTogether(folder / std::string(kCategoryNewFile), starter.CategoryRecords,
                                folder / std::string(kItemNewFile), starter.ItemRecords);
}

} // namespace pantrix
