// The expected pages under tests/data/web, byte for byte.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace pantrix {

inline std::string Golden(const std::string& name)
{
    std::ifstream in(std::string(PANTRIX_TEST_DATA) + "/web/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace pantrix
