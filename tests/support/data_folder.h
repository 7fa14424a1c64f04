// A fresh data folder per test, with helpers to lay down files, folders and all, and
// read them back as bytes, and to build record files from names.
#pragma once

#include "state/main_screen_state.h"
#include "support/fake_ui.h"

namespace pantrix::testing {

class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const fs::path& Path() const { return m_path; }
    fs::path File(std::string_view name) const { return m_path / std::string(name); }

    void Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const; // fails the test when missing
    bool Exists(std::string_view name) const { return fs::exists(File(name)); }

    MainScreenState State() const;

private:
    fs::path m_path;
};

// What most tests start from: a fresh data folder, the state over it and the scripted desktop.
struct Workspace
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
};

// 30-byte category records.
std::string Categories(std::initializer_list<std::string_view> names);
// 60-byte item records from (category, item) pairs.
std::string Items(std::initializer_list<std::pair<std::string_view, std::string_view>> items);

} // namespace pantrix::testing
