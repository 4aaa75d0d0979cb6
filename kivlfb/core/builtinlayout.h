#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QVariant>
#include <QVector>

// The cabinet layouts built into the controller, one per UI id, used when a
// display has no personality file: the id connector then selects the layout.
// A layout sets the cabinet manager's properties by name, in table order;
// a property it does not name keeps its initial value.
class BuiltInLayout
{
public:
    // The preset of a built-in UI id, or the "other" preset for any id the
    // table does not know (0 included).
    static BuiltInLayout forUiId(int uiId);
    static bool isBuiltIn(int uiId);
    // For each bin position of a built-in layout, its 0-based bin number in
    // the menu tool's numbering; empty where positions and bins agree.
    static QList<int> productLocationMap(int uiId);

    int uiId = 0;
    bool known = false;                              // false: the "other" row
    QVector<QPair<QByteArray, QVariant>> properties; // property name, value
    bool setsSyncNeeded = false;
    bool syncNeeded = false;
    int iosyscfg = -1;

    QList<int> mio2uitMap;
    QList<int> ui2mioZoneMap;
    QList<int> zoneMap;
    bool setsNfcMap = false; // some layouts leave the NFC map as it is
    QList<int> nfcMap;
    QList<int> binTestTemps;
    QList<QPair<int, int>> ioBoardToZoneMap; // first and second zone per I/O-board output
};
