#include "menudocument.h"

#include "alarms/haccplogformat.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QLatin1String headerKey("header");
const QLatin1String menuKey("menu");
const QLatin1String versionKey("menuVersion");
const QLatin1String descriptionKey("menuDescription");
const QLatin1String productsKey("products");
const QLatin1String groupsKey("productGroups");
const QLatin1String layoutKey("layout");

QString jsonText(const QJsonValue &value)
{
    if (value.isUndefined())
        return QStringLiteral("(none)");
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

} // namespace

MenuDocument::Check MenuDocument::check(const QByteArray &bytes)
{
    Check result;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) {
        result.failures << QStringLiteral("JSON file is invalid!!!!!!!!");
        return result;
    }
    result.document = document.object();

    const QJsonObject header = result.document.value(headerKey).toObject();
    const bool headerRead = !header.isEmpty();
    if (headerRead) {
        result.menuVersion = header.value(versionKey);
        result.menuDescription = header.value(descriptionKey).toString();
    } else {
        result.failures << QStringLiteral("File header read failed!!!!!!!!");
    }

    const QJsonObject menu = result.document.value(menuKey).toObject();
    if (menu.isEmpty()) {
        result.failures << QStringLiteral("menuObj is empty!!!!!!!!");
        return result;
    }
    if (!headerRead)
        return result;

    if (!menu.value(productsKey).isArray())
        result.failures << QStringLiteral("Products array read failed!!!!!!!!");
    else if (!menu.value(groupsKey).isArray())
        result.failures << QStringLiteral("Group array read failed!!!!!!!!");
    else if (!menu.value(layoutKey).isArray())
        result.failures << QStringLiteral("dayparts array read failed!!!!!!!!");
    else if (!versionSupported(result.menuVersion))
        result.failures << QStringLiteral("Menu version %1 is not supported!!!!!!!!").arg(jsonText(result.menuVersion));
    return result;
}

bool MenuDocument::versionSupported(const QJsonValue &menuVersion)
{
    if (menuVersion.isDouble())
        return menuVersion.toDouble() == SupportedVersion;
    return menuVersion.isString() && menuVersion.toString() == QString::number(SupportedVersion);
}

QString MenuDocument::fileVersionText(const QJsonValue &menuVersion)
{
    return QString::number(menuVersion.isDouble() ? menuVersion.toDouble() : 0.0, 'f', 1);
}

QString MenuDocument::agentVersionText(const QJsonValue &menuVersion)
{
    return menuVersion.toString();
}

QByteArray MenuDocument::exportDocument(const QString &serialNumber, const QByteArray &menuJson,
                                        const QByteArray &dayPartsJson)
{
    QJsonObject menu;
    const QJsonObject products = QJsonDocument::fromJson(menuJson).object();
    for (const QLatin1String key : {groupsKey, productsKey})
        menu.insert(key, products.value(key));
    menu.insert(layoutKey, QJsonDocument::fromJson(dayPartsJson).object().value(layoutKey));

    const QJsonObject header{
        {versionKey, SupportedVersion},
        {descriptionKey, QStringLiteral("MENU_") + serialNumber},
    };
    // QJsonObject keeps its keys sorted, and the indented form uses four
    // spaces: both as the menu tool writes its documents.
    return QJsonDocument(QJsonObject{{headerKey, header}, {menuKey, menu}}).toJson(QJsonDocument::Indented);
}

QString MenuDocument::exportFileName(const QString &serialNumber, const QStringList &existingNames)
{
    const QString stem = QStringLiteral("MENU_") + HaccpLogFormat::safeFileNamePart(serialNumber);
    QString name = stem + QStringLiteral(".json");
    for (int n = 2; existingNames.contains(name); ++n)
        name = stem + QStringLiteral("_%1.json").arg(n);
    return name;
}
