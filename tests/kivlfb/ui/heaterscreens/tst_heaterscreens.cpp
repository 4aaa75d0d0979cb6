// The QML tests of the heater diagnostic and utility service screens, run by
// Qt Quick Test against the harness's mock cabinet; the test files are in
// qml/. They leave screenshots of the screens in the build's test folder
// (screenshots/) for a person to look at.
#include "qmlharness.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(tst_heaterscreens, QmlHarnessSetup)
