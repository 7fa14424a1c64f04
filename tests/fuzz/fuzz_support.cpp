#include "fuzz_support.h"

#include "support/test_failure.h"

// The fake desktop's complaints (a question nobody scripted) are faults of the
// target as much as of the reader.
void pantrix::testing::FailTest(const std::string& message)
{
    fuzz::Check(false, message);
}
