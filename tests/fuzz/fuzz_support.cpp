#include "fuzz_support.h"

#include "support/test_failure.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace pantrix::fuzz {

void Check(bool holds, std::string_view promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %.*s\n", static_cast<int>(promise.size()), promise.data());
    std::abort();
}

testing::TestFolder& Scratch()
{
    static testing::TestFolder folder;
    return folder;
}

} // namespace pantrix::fuzz

namespace pantrix::testing {

// The fake desktop's complaints (a question nobody scripted) are faults of the
// target as much as of the reader.
void FailTest(const std::string& message)
{
    fuzz::Check(false, message);
}

} // namespace pantrix::testing
