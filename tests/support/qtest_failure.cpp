#include "support/test_failure.h"

#include <QTest>

namespace pantrix::testing {

void FailTest(const std::string& message)
{
    QTest::qFail(message.c_str(), __FILE__, __LINE__);
}

} // namespace pantrix::testing
