// A story under tests/data told as a script with what each step showed. A line
// "$ verb argument" is a step and a line "## ..." names the steps that follow; the
// other lines are what the steps showed, worked out again on every run and compared.
#pragma once

#include "support/data_folder.h"
#include "support/golden.h"
#include "support/transcript.h"

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace pantrix::testing {

// A step takes its argument, with "\r" and "\n" read as CR and LF, and returns what it showed.
using Steps = std::map<std::string, std::function<std::string(std::string)>>;

inline std::string TakeStep(const Steps& steps, const std::string& line)
{
    SCOPED_TRACE(line);
    const std::size_t space = std::min(line.find(' ', 2), line.size());
    const std::string argument = line.substr(std::min(space + 1, line.size()));
    return steps.at(line.substr(2, space - 2))(
        Replaced(Replaced(argument, "\\r", "\r"), "\\n", "\n"));
}

inline std::vector<std::string> Parts(const std::string& text, std::string_view apart)
{
    std::vector<std::string> parts;
    for (std::size_t from = 0, to = 0; from <= text.size(); from = to + apart.size())
        to = std::min(text.find(apart, from), text.size()),
        parts.push_back(text.substr(from, to - from));
    return parts;
}

// Lines "& row" before steps make a table: the steps are written once and taken for each row in
// turn, "{}" in them standing for the row and "{1}" to "{9}" for its values apart by " ; ", those
// it lacks empty, and what they showed follows under "-- row". A line holds several rows apart
// by " & ". A step its row leaves empty is not taken.
inline std::string TakeTable(const Steps& steps, const std::vector<std::string>& rows,
                             const std::vector<std::string>& lines)
{
    std::string shown;
    for (const std::string& row : rows) {
        shown += "-- " + row + "\n";
        const std::vector<std::string> values = Parts(row, " ; ");
        for (std::string line : lines) {
            line = Replaced(line, "{}", row);
            for (std::size_t n = 1; n <= 9; ++n)
                line = Replaced(line, "{" + std::to_string(n) + "}",
                                n <= values.size() ? values[n - 1] : "");
            if (line != "$ ")
                shown += TakeStep(steps, line);
        }
    }
    return shown;
}

inline void ExpectStory(const std::string& name, const Steps& steps)
{
    const std::string written = Golden(name);
    ASSERT_FALSE(written.empty()) << name << " is missing or empty";
    std::istringstream lines(written);
    std::string story;
    std::vector<std::string> rows, table;
    const auto open = std::distance(fs::directory_iterator("/proc/self/fd"), {});
    const auto endTable = [&] {
        story += TakeTable(steps, rows, table);
        rows.clear(), table.clear();
    };
    for (std::string line; std::getline(lines, line);) {
        if (!table.empty() && !line.starts_with("$ "))
            endTable();
        if (line.starts_with("## "))
            story += line + "\n";
        else if (line.starts_with("& ")) {
            story += line + "\n";
            for (std::string& row : Parts(line.substr(2), " & "))
                rows.push_back(std::move(row));
        } else if (line.starts_with("$ ") && !rows.empty())
            story += line + "\n", table.push_back(line);
        else if (line.starts_with("$ "))
            story += line + "\n" + TakeStep(steps, line);
    }
    endTable();
    EXPECT_EQ(std::distance(fs::directory_iterator("/proc/self/fd"), {}), open) << "left open";
    ExpectGolden(story, name);
}

inline const auto Fields = [](const std::string& argument) { return Parts(argument, "|"); };

inline auto Quiet(std::function<void(std::string)> step)
{
    return [step](std::string argument) { return step(std::move(argument)), std::string(); };
}

// The steps every story may take besides its own: the user's answers, and the files
// laid down, "name|bytes" for a file's bytes, and read.
inline Steps WithCommonSteps(Workspace& w, Steps steps)
{
    steps.insert(
        {{"yes", Quiet([&w](auto) { w.ui.AnswerMessage(MessageAnswer::Yes); })},
         {"no", Quiet([&w](auto) { w.ui.AnswerMessage(MessageAnswer::No); })},
         {"type", Quiet([&w](auto text) { w.ui.AnswerInput(text); })},
         {"choose", Quiet([&w](auto name) {
              w.ui.AnswerFile(ChosenFile{w.folder.File(name), ""});
          })},
         {"cancel", Quiet([&w](auto) { w.ui.AnswerFile(std::nullopt); })},
         {"cancel-question", Quiet([&w](auto) { w.ui.AnswerMessage(MessageAnswer::Cancel); })},
         {"file", Quiet([&w](auto a) {
              const std::size_t bar = std::min(a.find('|'), a.size());
              w.folder.Write(a.substr(0, bar), a.substr(std::min(bar + 1, a.size())));
          })},
         {"folder", Quiet([&w](auto name) { fs::create_directories(w.folder.File(name)); })},
         {"read", [&w](auto name) { return OneLine(w.folder.Read(name)) + "\n"; }},
         {"remove", Quiet([&w](auto name) { fs::remove_all(w.folder.File(name)); })},
         {"pipe", Quiet([&w](auto name) { ::mkfifo(w.folder.File(name).c_str(), 0600); })},
         {"link", Quiet([&w](auto a) { // "name|what it points to"
              fs::create_symlink(w.folder.File(Fields(a)[1]), w.folder.File(Fields(a)[0]));
          })},
         {"empty-folder", Quiet([&w](auto) {
              for (const auto& file : fs::directory_iterator(w.folder.Path()))
                  fs::remove_all(file);
          })}});
    return steps;
}

// The stories under a folder of tests/data, by name, to run one test each.
inline auto Stories(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(PANTRIX_TEST_DATA "/" + folder))
        names.push_back(file.path().stem().string());
    std::ranges::sort(names);
    return ::testing::ValuesIn(names);
}

inline const auto kStoryName = [](const auto& story) { return story.param; };

// A test for each story of a folder, in a workspace of its own.
class StoryTest : public ::testing::TestWithParam<std::string>, protected Workspace
{
protected:
    void Tell(const std::string& folder, Steps steps)
    {
        ExpectStory(folder + "/" + GetParam() + ".txt", WithCommonSteps(*this, std::move(steps)));
    }
};

} // namespace pantrix::testing
