#include "support/data_folder.h"

#include "catalogue/catalogue_records.h"
#include "platform/files.h"
#include "shell/start_up.h"

#include <fstream>
#include <random>

namespace pantrix::testing {

TestFolder::TestFolder()
{
    std::random_device random;
    m_path = fs::temp_directory_path() /
             ("pantrix-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    fs::create_directories(m_path);
}

TestFolder::~TestFolder()
{
    std::error_code ignored;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void TestFolder::Write(std::string_view name, std::string_view bytes) const
{
    fs::create_directories(File(name).parent_path());
    if (!(std::ofstream(File(name), std::ios::binary) << bytes))
        FailTest("could not write " + std::string(name));
}

std::string TestFolder::Read(std::string_view name) const
{
    const auto bytes = ReadWholeFile(File(name));
    return bytes ? bytes.value() : (FailTest(std::string(name) + " is missing"), "");
}

MainScreenState TestFolder::State() const
{
    MainScreenState s;
    SetDataFolder(s, m_path);
    return s;
}

std::string Categories(std::initializer_list<std::string_view> names)
{
    std::string records;
    for (auto name : names)
        records += CategoryRecord(name);
    return records;
}

std::string Items(std::initializer_list<std::pair<std::string_view, std::string_view>> items)
{
    std::string records;
    for (auto [category, item] : items)
        records += ItemRecord(category, item);
    return records;
}

} // namespace pantrix::testing
