// The expected texts and bytes under tests/data. With PANTRIX_UPDATE_GOLDEN set in
// the environment, a test writes what it got there instead, to be read over before
// it is committed.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace pantrix::testing {

inline std::string Golden(const std::string& name)
{
    std::ifstream in(std::filesystem::path(PANTRIX_TEST_DATA) / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void ExpectGolden(const std::string& actual, const std::string& name)
{
    if (std::getenv("PANTRIX_UPDATE_GOLDEN"))
        std::ofstream(std::filesystem::path(PANTRIX_TEST_DATA) / name, std::ios::binary) << actual;
    EXPECT_EQ(actual, Golden(name)) << name;
}

} // namespace pantrix::testing
