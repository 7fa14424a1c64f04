#include "support/test_failure.h"

#include <cstdio>
#include <cstdlib>

namespace pantrix::testing {

// A benchmark that meets a dialog it did not script measures the wrong thing.
void FailTest(const std::string& message)
{
    std::fprintf(stderr, "benchmark stopped: %s\n", message.c_str());
    std::abort();
}

} // namespace pantrix::testing
