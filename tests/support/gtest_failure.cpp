#include "support/test_failure.h"

#include <gtest/gtest.h>

void pantrix::testing::FailTest(const std::string& message)
{
    ADD_FAILURE() << message;
}
