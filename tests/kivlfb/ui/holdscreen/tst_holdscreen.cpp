// The QML tests of the holding screen (tray bars, zone views, the
// press-and-go view and its transfer window), run by Qt Quick Test against
// the harness's mock cabinet; the test files are in qml/. The tests also
// leave screenshots of whole holding screens in the build's test folder
// (screenshots/) for a person to look at.
#include "qmlharness.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(tst_holdscreen, QmlHarnessSetup)
