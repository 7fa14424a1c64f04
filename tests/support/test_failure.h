// How the shared test pieces fail the running test: GoogleTest and Qt Test each
// link their own definition.
#pragma once

#include <string>

namespace pantrix::testing {

void FailTest(const std::string& message);

} // namespace pantrix::testing
