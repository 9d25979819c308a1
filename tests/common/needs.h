#pragma once

// NEEDS_OR_SKIP(message): a test that needs a part of the machine it cannot
// provide itself (the FreeTDS driver for the SQL Server stand-in, CUPS and the
// PDF printer queue) skips without it on a developer's machine. Under CI
// (CI=true) it fails instead, so CI cannot pass without those paths.

#include <QTest>

inline bool runningInCi()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

#define NEEDS_OR_SKIP(message)                                                                               \
    do {                                                                                                     \
        if (runningInCi())                                                                                   \
            QFAIL("CI=true: " message);                                                                      \
        QSKIP(message);                                                                                      \
    } while (false)
