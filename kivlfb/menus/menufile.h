#pragma once

#include "tavolenrecords.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

// The menu's file formats as pure functions: bytes in, model rows out, and
// back. A row maps role numbers (MenuRoles) to values; products come first,
// then groups, in file order.
class MenuFile
{
public:
    using Row = QMap<int, QVariant>;

    // What the cabinet contributes to a conversion.
    struct Context
    {
        int traysPerZone = 0;
        int customerId = 0;
    };

    // The customer whose product 0 is held at 185 and whose lower
    // temperature comes from its own field of the older list.
    static constexpr int customerIdDez = 3;
    static constexpr int menuVersion = 1;
    // Background colour of entry 0 of the timer-colour table: no timer colour.
    static const char *const noTimerColor;

    // "menu.json": false (with the reason in *error) for a document that is
    // not a JSON object or has another "menuVersion"; such a file must not
    // replace the menu already held.
    static bool parseMenuJson(const QByteArray &bytes, const Context &context, QList<Row> *rows,
                              QString *error);
    // The older comma-separated "productsList.txt". Values stay texts, as
    // they stand in the file.
    static QList<Row> parseLegacyList(const QByteArray &bytes, const Context &context);
    // The same for lines already split into their fields ("p" or "g"
    // first, then the id): what the older list's rules make of them.
    static QList<Row> rowsFromLegacyFields(const QList<QStringList> &records, const Context &context);
    // A record of the menu tool's binary file as the fields of its older-list
    // line; empty for a record that is neither a product nor a group.
    static QStringList legacyFields(const ProductTag &record);
    // Header labels the older list's model carries.
    static QStringList legacyColumnTitles();

    // The "menu" object of an imported JSON menu document: the empty
    // product, then the products (those with id 0 left out), then the
    // groups. Names are taken in the given language, English when it has
    // none.
    static QList<Row> rowsFromMenuDocument(const QJsonObject &menu, const Context &context, int languageId);

    // The "menu.json" document of the rows, indented.
    static QByteArray toJson(const QList<Row> &rows);

    // A row is a group when its "groupID" read as an integer is 1 or more.
    static bool isGroupRow(const Row &row);

    // Pan size (bins the pan covers) and its fraction text of a zone of
    // traysPerZone bins; unknown values give "1/2" and 1.
    static QString panSizeToFraction(int panSize, int traysPerZone);
    static int panFractionToPanSize(const QString &fraction, int traysPerZone);

    // Names per language: a language-code object to the 15-entry list
    // indexed by language id, and back (a shorter list is padded with
    // empty names).
    static QStringList namesFromJson(const QJsonObject &names);
    static QJsonObject namesToJson(const QStringList &names);
};
