#pragma once
// When a test cancels a call that waits for its reply: libcurl by itself looks at a
// waiting transfer only about once a second, so these moments, spread over that second,
// catch a cancel that is heard only then, whatever the second's phase.
#include <QtTest>

// The column "heldMs": how long the reply has been awaited at the cancel.
inline void addCancelMoments() {
    QTest::addColumn<int>("heldMs");
    QTest::newRow("just sent") << 0;
    QTest::newRow("a third of a second") << 350;
    QTest::newRow("two thirds of a second") << 700;
}
