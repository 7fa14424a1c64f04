#include "support/test_failure.h"

#include <gtest/gtest.h>

namespace pantrix::testing {

void FailTest(const std::string& message)
{
    ADD_FAILURE() << message;
}

} // namespace pantrix::testing
