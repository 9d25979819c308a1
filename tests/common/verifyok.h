#pragma once

// QVERIFY_OK(result): the operation succeeded; on failure the test shows the
// result's own cause.

#include "foundation/base/result.h"

#include <QTest>

#define QVERIFY_OK(expression)                                                                               \
    do {                                                                                                     \
        const auto &verifyOkResult = (expression);                                                           \
        QVERIFY2(verifyOkResult.ok(), qPrintable(verifyOkResult.errorText()));                               \
    } while (false)
