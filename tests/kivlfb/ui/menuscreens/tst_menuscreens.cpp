// The QML tests of the menu lists, the colour pickers and the day-part
// screens, run by Qt Quick Test against the harness's mock cabinet; the
// test files are in qml/. They also leave pictures of the screens in
// screenshots/ for a person to look at.
#include "qmlharness.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(tst_menuscreens, QmlHarnessSetup)
