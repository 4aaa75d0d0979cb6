// The QML tests of the interface shell, run by Qt Quick Test against the
// harness's mock cabinet; the test files are in qml/.
#include "qmlharness.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(tst_uishell, QmlHarnessSetup)
