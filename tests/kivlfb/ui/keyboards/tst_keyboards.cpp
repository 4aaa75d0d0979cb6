// The QML tests of the on-screen keyboards (letters, number entry, keypad),
// run by Qt Quick Test against the harness's mock cabinet, whose key input
// answers from the program's own class; the test files are in qml/. They
// also leave pictures of the keyboards in screenshots/ for a person to look
// at.
#include "qmlharness.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(tst_keyboards, QmlHarnessSetup)
