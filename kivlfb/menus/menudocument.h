#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

// The JSON menu document: {"header": {"menuVersion", "menuDescription"},
// "menu": {"products", "productGroups", "layout"}}, as the menu tool and the
// IoT agent bring it and as the cabinet exports its menu. Pure functions
// over bytes; the callers do the I/O and the logging.
class MenuDocument
{
public:
    // The one version the products and the day parts both read, as a number
    // (files) or as a text (the IoT agent).
    static constexpr int SupportedVersion = 1;

    struct Check
    {
        QJsonObject document;
        QJsonValue menuVersion;   // as it stands in the header
        QString menuDescription;  // empty unless a text
        // The log lines of what failed, in the order found; none for a
        // document that may be imported.
        QStringList failures;
        bool passed() const { return failures.isEmpty(); }
    };

    // The outer structure: a non-empty header, a non-empty menu holding the
    // three arrays, and a version both halves of the import read.
    static Check check(const QByteArray &bytes);
    static bool versionSupported(const QJsonValue &menuVersion);

    // The version as the file import records it: a number with one decimal
    // ("1.0"), "0.0" for anything else.
    static QString fileVersionText(const QJsonValue &menuVersion);
    // As the IoT-agent import records it: the text, empty for anything else.
    static QString agentVersionText(const QJsonValue &menuVersion);

    // The export of the cabinet's menu: the products and groups of the menu
    // file's document, the layout of the day parts' export form, under a
    // header naming the serial number. Keys sorted, indented by four spaces.
    static QByteArray exportDocument(const QString &serialNumber, const QByteArray &menuJson,
                                     const QByteArray &dayPartsJson);
    // "MENU_<serial>.json", or with "_2", "_3", ... before ".json": the first
    // name not among the names already there. Path separators in the serial
    // become "_".
    static QString exportFileName(const QString &serialNumber, const QStringList &existingNames);
};
