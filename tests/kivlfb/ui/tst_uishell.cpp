// The QML tests of the interface shell and the service pages, run by Qt
// Quick Test against the harness's mock cabinet; the test files are in qml/.
// Tests of screens leave screenshots in the build's "screenshots" folder for
// a person to look at.
#include "qmlharness.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(tst_uishell, QmlHarnessSetup)
