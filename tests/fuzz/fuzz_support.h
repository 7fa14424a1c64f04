// What the fuzz targets share. Each target is one reader of the program's files
// or texts behind libFuzzer's entry point; the same code runs under the fuzzer and
// in the replay test of every build.
#pragma once

#include "support/data_folder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace pantrix::fuzz {

// Stops the run on a broken promise, so the fuzzer keeps the input and the replay
// names it.
inline void Check(bool holds, std::string_view promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %.*s\n", static_cast<int>(promise.size()), promise.data());
        std::abort();
    }
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// One data folder for the whole run, emptied by the targets that use it.
inline testing::TestFolder& Scratch()
{
    static testing::TestFolder folder;
    return folder;
}

} // namespace pantrix::fuzz
