#include "support/test_failure.h"

#include <QTest>

void pantrix::testing::FailTest(const std::string& message)
{
    QTest::qFail(message.c_str(), __FILE__, __LINE__);
}
