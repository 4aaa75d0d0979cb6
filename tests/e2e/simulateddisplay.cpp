#include "simulateddisplay.h"

#include "alarms/haccpcontroller.h"
#include "alarms/soundmanager.h"
#include "core/cabinetmanager.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"

#include "kitchenmenu.h"
#include "machinestates.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>

namespace {

// One day part in use; its bins are numbered from 1.
const char kDayParts[] = R"({
  "dayPartVersion": 1,
  "layout": [
    { "daypartName": { "eng_USA": "All day" }, "inUse": true,
      "productLocations": [ { "bin": 3, "productId": 12 } ] }
  ]
})";

// The cabinet keeps its clock two hours ahead of UTC, without summer time.
const char kConfig[] = "timeZoneIndex=16\ndstEnabled=false\n";

const char kStore[] = "/root/haccpLogs/haccpLog.json";

const QStringList kPlayers = {QStringLiteral("/usr/bin/aplay"), QStringLiteral("/usr/bin/gst-launch-0.10")};

// The screen's bar bound to the tray, at or below item in the visual tree
// (items that loaders and repeaters make are found there, not among the
// object tree's children).
QQuickItem *screenBarOf(QQuickItem *item, const TrayBarSc *bar)
{
    if (item->objectName().startsWith(QLatin1String("trayBar"))
        && item->property("trayObject").value<QObject *>() == bar)
        return item;
    for (QQuickItem *child : item->childItems())
        if (QQuickItem *found = screenBarOf(child, bar))
            return found;
    return nullptr;
}

} // namespace

SimulatedDisplay::SimulatedDisplay(const QByteArray &personality)
{
    m_root.writeFile(QStringLiteral("/root/cabinet.hcc"), personality);
    m_root.writeFile(QStringLiteral("/root/menu.json"), KitchenMenu::menu());
    m_root.writeFile(QStringLiteral("/root/dayParts.json"), kDayParts);
    m_root.writeFile(QStringLiteral("/root/config.txt"), kConfig);
    for (const QString &player : kPlayers)
        m_root.addFakeTool(player);
    m_root.addFakeTool(QStringLiteral("/usr/bin/amixer"));
    qputenv("KIV_VCAN_DIR", m_root.filePath(QStringLiteral("/run/vcan/can0")).toLocal8Bit());
    m_cabinet = std::make_unique<CabinetManager>(7, 0, nullptr);
}

SimulatedDisplay::~SimulatedDisplay() = default;

TrayBarSc *SimulatedDisplay::bar(int bin) const
{
    return m_cabinet->getTrayPtr(uchar(bin));
}

ZoneManager *SimulatedDisplay::zoneOf(int bin) const
{
    const int zone = bin / m_cabinet->get_traysPerZone();
    return m_cabinet->findChild<ZoneManager *>(QStringLiteral("zone%1").arg(zone));
}

MasterIoManager *SimulatedDisplay::io() const
{
    return m_cabinet->findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
}

NFCmanager *SimulatedDisplay::nfc() const
{
    return m_cabinet->findChild<NFCmanager *>(QStringLiteral("nfcManager"));
}

SoundManager *SimulatedDisplay::sounds() const
{
    return m_cabinet->findChild<SoundManager *>();
}

HaccpController *SimulatedDisplay::haccp() const
{
    return m_cabinet->findChild<HaccpController *>();
}

QQuickItem *SimulatedDisplay::screenBar(const TrayBarSc *bar) const
{
    const auto *engine = m_cabinet->findChild<QQmlApplicationEngine *>(QStringLiteral("mainQmlView"));
    if (!engine)
        return nullptr;
    for (QObject *root : engine->rootObjects()) {
        auto *window = qobject_cast<QQuickWindow *>(root);
        QQuickItem *top = window ? window->contentItem() : qobject_cast<QQuickItem *>(root);
        if (QQuickItem *found = top ? screenBarOf(top, bar) : nullptr)
            return found;
    }
    return nullptr;
}

bool SimulatedDisplay::touch(const TrayBarSc *bar) const
{
    QQuickItem *item = screenBar(bar);
    return item && QMetaObject::invokeMethod(item, "userClicked");
}

QString SimulatedDisplay::stateOf(const TrayBarSc *bar)
{
    return ::stateOf(bar);
}

QList<QJsonObject> SimulatedDisplay::haccpEntries() const
{
    QList<QJsonObject> entries;
    const QJsonArray stored =
        QJsonDocument::fromJson(m_root.readFile(QLatin1String(kStore))).object().value("haccpInfo").toArray();
    for (const QJsonValue &entry : stored)
        entries.append(entry.toObject());
    return entries;
}

QStringList SimulatedDisplay::playedSounds() const
{
    // A player's last argument is the file (aplay) or its URI (gst-launch).
    QStringList played;
    for (const QString &player : kPlayers) {
        QString last;
        for (const QString &line : m_root.fakeToolCalls(player)) {
            if (line == QLatin1String("--"))
                played.append(QFileInfo(last).fileName());
            last = line;
        }
    }
    return played;
}
