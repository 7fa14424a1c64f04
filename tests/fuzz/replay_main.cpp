// Runs a fuzz target over files and folders of inputs without the fuzzer, so every
// build replays the seed corpus and every input that ever failed.
#include "fuzz_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    std::vector<fs::path> inputs(argv + 1, argv + argc);
    for (const fs::path& folder : std::vector(inputs))
        if (fs::is_directory(folder))
            for (const auto& entry : fs::directory_iterator(folder))
                if (!entry.path().filename().native().starts_with('.'))
                    inputs.push_back(entry.path());
    std::erase_if(inputs, [](const fs::path& input) { return !fs::is_regular_file(input); });
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::cerr << input.string()
                  << std::endl; // named first: an input that ends the run is known
        std::ifstream in(input, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cerr << inputs.size() << " inputs replayed\n";
}
