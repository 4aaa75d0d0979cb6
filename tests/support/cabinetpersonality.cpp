#include "cabinetpersonality.h"

#include <QFile>
#include <QJsonDocument>

QByteArray cabinetPersonality(const QString &role, const std::function<void(QJsonObject &)> &edit)
{
    QFile f(QStringLiteral(":/fixtures/v9_2x4.hcc"));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray file = f.readAll();
    if (role == QLatin1String("primaryWithMirror") && !edit)
        return file;

    QJsonObject doc = QJsonDocument::fromJson(file).object();
    QJsonObject p = doc.value("personality").toObject();
    if (role == QLatin1String("alone")) {
        p["hasMirrorDisplay"] = false;
        p["syncNeeded"] = false;
        p["uiRole"] = 0;
    } else if (role == QLatin1String("primaryWithSecondary")) {
        p["hasMirrorDisplay"] = false;
        p["hasSecondaryDisplay"] = true;
    } else if (role == QLatin1String("secondary") || role == QLatin1String("mirror")) {
        const bool mirror = role == QLatin1String("mirror");
        p["iAmMaster"] = false;
        p["hasMirrorDisplay"] = false;
        p["mirrorDisplay"] = mirror;
        p["uiRole"] = mirror ? 3 : 2;
        p["orientationId"] = 10;
    }
    if (edit)
        edit(p);
    doc["personality"] = p;
    return QJsonDocument(doc).toJson();
}
