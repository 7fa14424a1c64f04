// The expected texts and bytes under tests/data. With PANTRIX_UPDATE_GOLDEN set in the environment,
// a test writes what it got there instead, to be read over before it is committed.
#pragma once

#include "platform/files.h"
#include "support/transcript.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace pantrix::testing {

inline std::string Golden(const std::string& name)
{
    const auto bytes = ReadWholeFile(std::filesystem::path(PANTRIX_TEST_DATA) / name);
    return bytes ? bytes.value() : "";
}

inline void ExpectGolden(const std::string& actual, const std::string& name)
{
    if (std::getenv("PANTRIX_UPDATE_GOLDEN"))
        std::ofstream(std::filesystem::path(PANTRIX_TEST_DATA) / name, std::ios::binary) << actual;
    EXPECT_EQ(actual, Golden(name)) << name;
}

// The rows of a table under tests/data, one a line: its fields split at "|", then
// unescaped. A line starting with "#" is a note.
inline std::vector<std::vector<std::string>> Rows(const std::string& name)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(Golden(name));
    for (std::string line, field; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        for (auto& row = rows.emplace_back(); std::getline(fields, field, '|');)
            row.push_back(Unescaped(field));
    }
    return rows;
}

} // namespace pantrix::testing
