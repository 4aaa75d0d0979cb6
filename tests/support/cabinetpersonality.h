#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>

// The 2x4 cabinet's personality file (":/fixtures/v9_2x4.hcc", compiled into
// the test from tests/kivlfb/config/fixtures.qrc) as seen from one display:
//   "primaryWithMirror"    the file as it is (primary, a mirror, NFC, HACCP)
//   "alone"                a primary display alone in its cabinet, no sync
//   "primaryWithSecondary" a primary display with a secondary display
//   "secondary"            that secondary display
//   "mirror"               the mirror of the primary display
// edit, when given, changes the personality object further.
QByteArray cabinetPersonality(const QString &role,
                              const std::function<void(QJsonObject &)> &edit = {});
