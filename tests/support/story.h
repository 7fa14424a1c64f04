// A story under tests/data told as a script with what each step showed. A line
// "$ verb argument" is a step and a line "## ..." names the steps that follow; the
// other lines are what the steps showed, worked out again on every run and compared.
#pragma once

#include "support/golden.h"

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

namespace pantrix::testing {

// A step takes its argument, with "\r" and "\n" read as CR and LF, and returns what
// it showed.
using Steps = std::map<std::string, std::function<std::string(std::string)>>;

inline void ExpectStory(const std::string& name, const Steps& steps)
{
    std::istringstream lines(Golden(name));
    std::string story;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t space = std::min(line.find(' ', 2), line.size());
        std::string argument = line.substr(std::min(space + 1, line.size()));
        for (const auto& [escape, byte] : {std::pair{"\\r", "\r"}, std::pair{"\\n", "\n"}})
            for (auto at = argument.find(escape); at != std::string::npos;
                 at = argument.find(escape))
                argument.replace(at, 2, byte);
        if (line.starts_with("## "))
            story += line + "\n";
        else if (line.starts_with("$ ")) {
            SCOPED_TRACE(line);
            story += line + "\n" + steps.at(line.substr(2, space - 2))(argument);
        }
    }
    ExpectGolden(story, name);
}

// The stories under a folder of tests/data, by name, to run one test each.
inline std::vector<std::string> Stories(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(PANTRIX_TEST_DATA "/" + folder))
        names.push_back(file.path().stem().string());
    std::ranges::sort(names);
    return names;
}

} // namespace pantrix::testing
