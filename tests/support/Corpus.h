#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

// A test on the shared corpus beside the checkout skips when its part of the
// corpus is not there; under CI (CI=true), where the corpus must be, it fails.
#define KORVO_NEED_CORPUS(present, what)                                        \
    do {                                                                        \
        if (!(present)) {                                                       \
            if (qgetenv("CI") == "true")                                        \
                FAIL() << what << ": the corpus must be there under CI";        \
            GTEST_SKIP() << what;                                               \
        }                                                                       \
    } while (0)
