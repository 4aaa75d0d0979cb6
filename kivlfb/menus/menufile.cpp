#include "menufile.h"

#include "menuroles.h"
#include "ui/translator.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

const char *const MenuFile::noTimerColor = "#fffffd";

namespace {

constexpr int productZeroDezTemp = 185;
constexpr int legacyDefaultFanSpeed = 100;
constexpr int legacyResetTime = 300;

// Product 0 is the empty bin: its temperatures never come from the file.
int productZeroTemp(const MenuFile::Context &context)
{
    return context.customerId == MenuFile::customerIdDez ? productZeroDezTemp : 0;
}

// "zoneSplits" gives the pan size as a fraction text; anything else (the
// default menu stores a number) stands for a one-bin pan.
void setPan(MenuFile::Row &row, const QJsonValue &zoneSplits, const MenuFile::Context &context)
{
    const QString text = zoneSplits.toString();
    if (!zoneSplits.isString() || text.isEmpty()) {
        row[MenuRoles::PanSize] = 1;
        row[MenuRoles::PanSizeX] = MenuFile::panSizeToFraction(1, context.traysPerZone);
        return;
    }
    row[MenuRoles::PanSize] = MenuFile::panFractionToPanSize(text, context.traysPerZone);
    row[MenuRoles::PanSizeX] = text;
}

void setNames(MenuFile::Row &row, const QJsonValue &names)
{
    const QStringList list = MenuFile::namesFromJson(names.toObject());
    row[MenuRoles::NamesList] = list;
    row[MenuRoles::Name] = list.first();
}

MenuFile::Row productFromJson(const QJsonObject &o, const MenuFile::Context &context)
{
    MenuFile::Row row;
    const int id = o.value(QLatin1String("productId")).toInt();
    row[MenuRoles::Id] = id;
    setNames(row, o.value(QLatin1String("productName")));
    row[MenuRoles::HoldTime] = o.value(QLatin1String("holdingTime")).toInt();
    row[MenuRoles::WarningTime] = o.value(QLatin1String("warningTime")).toInt();
    row[MenuRoles::ResetTime] = o.value(QLatin1String("resetTime")).toInt();
    if (id == 0) {
        row[MenuRoles::LowerTemp] = productZeroTemp(context);
        row[MenuRoles::UpperTemp] = productZeroTemp(context);
    } else {
        row[MenuRoles::LowerTemp] = o.value(QLatin1String("lowerTemp")).toInt();
        row[MenuRoles::UpperTemp] = o.value(QLatin1String("upperTemp")).toInt();
    }
    row[MenuRoles::TargetFanSpeed] = o.value(QLatin1String("fanSpeed")).toInt();
    row[MenuRoles::LidType] = o.value(QLatin1String("lidType")).toString();
    row[MenuRoles::BottomType] = o.value(QLatin1String("bottomType")).toString();
    setPan(row, o.value(QLatin1String("zoneSplits")), context);
    row[MenuRoles::TimerColor] = o.value(QLatin1String("timerColor")).toString(QLatin1String(MenuFile::noTimerColor));
    row[MenuRoles::ProductLocked] = o.value(QLatin1String("productLocked")).toBool(false);
    row[MenuRoles::GroupId] = QStringLiteral("0");
    row[MenuRoles::ProductList] = QStringList();
    row[MenuRoles::Default] = -1;
    return row;
}

MenuFile::Row groupFromJson(const QJsonObject &o, const MenuFile::Context &context)
{
    MenuFile::Row row;
    const int id = o.value(QLatin1String("groupId")).toInt();
    row[MenuRoles::Id] = id;
    row[MenuRoles::GroupId] = id;
    setNames(row, o.value(QLatin1String("groupName")));
    row[MenuRoles::LowerTemp] = o.value(QLatin1String("lowerTemp")).toInt();
    row[MenuRoles::UpperTemp] = o.value(QLatin1String("upperTemp")).toInt();
    row[MenuRoles::TargetFanSpeed] = o.value(QLatin1String("fanSpeed")).toInt();
    row[MenuRoles::LidType] = o.value(QLatin1String("lidType")).toString();
    setPan(row, o.value(QLatin1String("zoneSplits")), context);
    row[MenuRoles::Default] = o.value(QLatin1String("defaultProd")).toInt();
    QStringList members;
    const QJsonArray products = o.value(QLatin1String("products")).toArray();
    for (const QJsonValue &member : products)
        members << QString::number(member.toObject().value(QLatin1String("productId")).toInt());
    row[MenuRoles::ProductList] = members;
    row[MenuRoles::HoldTime] = 0;
    row[MenuRoles::WarningTime] = 0;
    row[MenuRoles::ResetTime] = 0;
    row[MenuRoles::BottomType] = QStringLiteral("0");
    return row;
}

// Appends one row per element of the array; an element that is not an
// object would become an all-default product 0, so it is left out.
void appendRows(const QJsonValue &array, const char *key, const MenuFile::Context &context,
                MenuFile::Row (*convert)(const QJsonObject &, const MenuFile::Context &),
                QList<MenuFile::Row> *rows)
{
    if (!array.isArray())
        return;
    const QJsonArray elements = array.toArray();
    for (int i = 0; i < elements.size(); ++i) {
        if (!elements.at(i).isObject()) {
            qWarning().noquote() << "Menu file:" << key << "entry" << i << "is not an object; skipped";
            continue;
        }
        rows->append(convert(elements.at(i).toObject(), context));
    }
}

QStringList sameNameInEveryLanguage(const QString &name)
{
    QStringList names;
    for (int id = 0; id < Translator::numberOfLanguages; ++id)
        names << name;
    return names;
}

bool isWholeNumber(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

MenuFile::Row legacyProduct(const QStringList &f, const MenuFile::Context &context)
{
    const int n = f.size();
    const bool dez = context.customerId == MenuFile::customerIdDez;
    MenuFile::Row row;
    row[MenuRoles::Id] = f.at(1);
    if (n > 2) {
        row[MenuRoles::Name] = f.at(2);
        row[MenuRoles::NamesList] = sameNameInEveryLanguage(f.at(2));
    }
    if (n > 3)
        row[MenuRoles::HoldTime] = f.at(3);
    if (n > 4)
        row[MenuRoles::WarningTime] = f.at(4);
    if (n > 5) {
        row[MenuRoles::UpperTemp] = f.at(5);
        if (!dez)
            row[MenuRoles::LowerTemp] = f.at(5);
    }
    if (n > 6 && dez)
        row[MenuRoles::LowerTemp] = f.at(6);
    if (n > 7)
        row[MenuRoles::LidType] = f.at(7);
    if (n > 8)
        row[MenuRoles::BottomType] = f.at(8);
    if (n > 9) {
        row[MenuRoles::PanSize] = f.at(9);
        row[MenuRoles::PanSizeX] = MenuFile::panSizeToFraction(f.at(9).toInt(), context.traysPerZone);
    }
    row[MenuRoles::TargetFanSpeed] = n > 10 ? QVariant(f.at(10)) : QVariant(legacyDefaultFanSpeed);
    row[MenuRoles::ResetTime] = dez ? 0 : legacyResetTime;
    row[MenuRoles::TimerColor] = QString::fromLatin1(MenuFile::noTimerColor);
    row[MenuRoles::ProductLocked] = false;
    row[MenuRoles::GroupId] = QStringLiteral("0");
    row[MenuRoles::ProductList] = QStringList();
    row[MenuRoles::Default] = -1;
    if (f.at(1).toInt() == 0) {
        row[MenuRoles::LowerTemp] = productZeroTemp(context);
        row[MenuRoles::UpperTemp] = productZeroTemp(context);
    }
    return row;
}

MenuFile::Row legacyGroup(const QStringList &f, const MenuFile::Context &context,
                          const QList<MenuFile::Row> &convertedSoFar)
{
    const int n = f.size();
    MenuFile::Row row;
    row[MenuRoles::Id] = f.at(1);
    row[MenuRoles::GroupId] = f.at(1);
    if (n > 2) {
        row[MenuRoles::NamesList] = sameNameInEveryLanguage(f.at(2));
        row[MenuRoles::Name] = QStringLiteral("!") + f.at(2);
    }
    if (n > 3) {
        row[MenuRoles::LowerTemp] = f.at(3);
        row[MenuRoles::UpperTemp] = f.at(3);
    }
    if (n > 4) {
        row[MenuRoles::PanSize] = f.at(4);
        // Without the fraction text the group's pan size would not survive
        // the first save ("zoneSplits" is written from it).
        row[MenuRoles::PanSizeX] = MenuFile::panSizeToFraction(f.at(4).toInt(), context.traysPerZone);
    }
    if (n > 5)
        row[MenuRoles::LidType] = f.at(5);
    QStringList members;
    for (int i = 7; i < n; ++i) {
        if (!f.at(i).isEmpty())
            members << f.at(i);
    }
    if (n > 6) {
        bool ok = false;
        const int index = f.at(6).toInt(&ok);
        row[MenuRoles::Default] = ok && index >= 0 && index < members.size() ? index : 0;
    }
    // The group runs its bins at its members' fan speed: take it from the
    // first member already converted.
    QVariant fanSpeed = legacyDefaultFanSpeed;
    for (const QString &member : qAsConst(members)) {
        const int memberId = member.toInt();
        const auto it = std::find_if(convertedSoFar.cbegin(), convertedSoFar.cend(),
                                     [memberId](const MenuFile::Row &r) {
                                         return !MenuFile::isGroupRow(r) && r.value(MenuRoles::Id).toInt() == memberId;
                                     });
        if (it != convertedSoFar.cend()) {
            fanSpeed = it->value(MenuRoles::TargetFanSpeed);
            break;
        }
    }
    row[MenuRoles::TargetFanSpeed] = fanSpeed;
    row[MenuRoles::ProductList] = members;
    row[MenuRoles::HoldTime] = 0;
    row[MenuRoles::WarningTime] = 0;
    row[MenuRoles::ResetTime] = 0;
    row[MenuRoles::BottomType] = QStringLiteral("0");
    return row;
}

// An imported document's lid text: only the exact spellings
// count.
QString importedLid(const QJsonValue &lid)
{
    const QString text = lid.toString();
    if (text == QLatin1String("Vented") || text == QLatin1String("Solid"))
        return text;
    return QStringLiteral("None");
}

void setImportedNames(MenuFile::Row &row, const QJsonValue &names, int languageId)
{
    const QStringList list = MenuFile::namesFromJson(names.toObject());
    row[MenuRoles::NamesList] = list;
    // Before the translator's first language there is no entry to pick.
    row[MenuRoles::Name] = languageId >= 0 && languageId < list.size() ? list.at(languageId) : list.first();
}

void setImportedPan(MenuFile::Row &row, const QJsonValue &zoneSplits, const MenuFile::Context &context)
{
    const QString text = zoneSplits.toString();
    row[MenuRoles::PanSizeX] = text;
    row[MenuRoles::PanSize] = MenuFile::panFractionToPanSize(text, context.traysPerZone);
}

MenuFile::Row importedEmptyProduct()
{
    MenuFile::Row row;
    row[MenuRoles::Id] = QStringLiteral("0");
    row[MenuRoles::GroupId] = QStringLiteral("0");
    row[MenuRoles::Name] = QString();
    row[MenuRoles::NamesList] = MenuFile::namesFromJson(QJsonObject());
    for (int role : {MenuRoles::HoldTime, MenuRoles::WarningTime, MenuRoles::LowerTemp, MenuRoles::UpperTemp,
                     MenuRoles::ResetTime})
        row[role] = 0;
    row[MenuRoles::LidType] = QStringLiteral("None");
    row[MenuRoles::BottomType] = QStringLiteral("Normal");
    row[MenuRoles::PanSize] = 1;
    row[MenuRoles::PanSizeX] = QString();
    row[MenuRoles::TargetFanSpeed] = legacyDefaultFanSpeed;
    row[MenuRoles::TimerColor] = QString::fromLatin1(MenuFile::noTimerColor);
    row[MenuRoles::ProductLocked] = false;
    row[MenuRoles::ProductList] = QStringList();
    row[MenuRoles::Default] = -1;
    return row;
}

MenuFile::Row importedProduct(const QJsonObject &o, const MenuFile::Context &context, int languageId)
{
    MenuFile::Row row;
    row[MenuRoles::Id] = o.value(QLatin1String("productId")).toInt();
    row[MenuRoles::GroupId] = QStringLiteral("0");
    setImportedNames(row, o.value(QLatin1String("productName")), languageId);
    row[MenuRoles::HoldTime] = o.value(QLatin1String("holdingTime")).toInt();
    row[MenuRoles::WarningTime] = o.value(QLatin1String("warningTime")).toInt();
    row[MenuRoles::LowerTemp] = o.value(QLatin1String("lowerTemp")).toInt();
    row[MenuRoles::UpperTemp] = o.value(QLatin1String("upperTemp")).toInt();
    row[MenuRoles::TargetFanSpeed] = o.value(QLatin1String("fanSpeed")).toInt();
    row[MenuRoles::ResetTime] = o.value(QLatin1String("resetTime")).toInt();
    row[MenuRoles::LidType] = importedLid(o.value(QLatin1String("lidType")));
    row[MenuRoles::BottomType] = o.value(QLatin1String("bottomType")).toString() == QLatin1String("False")
        ? QStringLiteral("False")
        : QStringLiteral("Normal");
    setImportedPan(row, o.value(QLatin1String("zoneSplits")), context);
    const QJsonValue color = o.value(QLatin1String("timerColor"));
    row[MenuRoles::TimerColor] = color.isString() ? color.toString() : QString::fromLatin1(MenuFile::noTimerColor);
    row[MenuRoles::ProductLocked] = o.value(QLatin1String("productLocked")).toBool(false);
    row[MenuRoles::ProductList] = QStringList();
    row[MenuRoles::Default] = -1;
    return row;
}

MenuFile::Row importedGroup(const QJsonObject &o, const MenuFile::Context &context, int languageId)
{
    MenuFile::Row row;
    const int id = o.value(QLatin1String("groupId")).toInt();
    row[MenuRoles::Id] = id;
    row[MenuRoles::GroupId] = id;
    setImportedNames(row, o.value(QLatin1String("groupName")), languageId);
    row[MenuRoles::HoldTime] = 0;
    row[MenuRoles::WarningTime] = 0;
    row[MenuRoles::ResetTime] = 0;
    row[MenuRoles::LowerTemp] = o.value(QLatin1String("lowerTemp")).toInt();
    row[MenuRoles::UpperTemp] = o.value(QLatin1String("upperTemp")).toInt();
    row[MenuRoles::TargetFanSpeed] = o.value(QLatin1String("fanSpeed")).toInt();
    row[MenuRoles::LidType] = importedLid(o.value(QLatin1String("lidType")));
    row[MenuRoles::BottomType] = QStringLiteral("0");
    setImportedPan(row, o.value(QLatin1String("zoneSplits")), context);
    QStringList members;
    const QJsonArray products = o.value(QLatin1String("products")).toArray();
    for (const QJsonValue &member : products)
        members << QString::number(member.toObject().value(QLatin1String("productId")).toInt());
    row[MenuRoles::ProductList] = members;
    row[MenuRoles::Default] = o.value(QLatin1String("defaultProd")).toInt();
    return row;
}

QJsonObject productToJson(const MenuFile::Row &row)
{
    QJsonObject o;
    o.insert(QLatin1String("productId"), row.value(MenuRoles::Id).toInt());
    o.insert(QLatin1String("productName"), MenuFile::namesToJson(row.value(MenuRoles::NamesList).toStringList()));
    o.insert(QLatin1String("holdingTime"), row.value(MenuRoles::HoldTime).toInt());
    o.insert(QLatin1String("warningTime"), row.value(MenuRoles::WarningTime).toInt());
    o.insert(QLatin1String("lowerTemp"), row.value(MenuRoles::LowerTemp).toInt());
    o.insert(QLatin1String("upperTemp"), row.value(MenuRoles::UpperTemp).toInt());
    o.insert(QLatin1String("fanSpeed"), row.value(MenuRoles::TargetFanSpeed).toInt());
    o.insert(QLatin1String("resetTime"), row.value(MenuRoles::ResetTime).toInt());
    o.insert(QLatin1String("zoneSplits"), row.value(MenuRoles::PanSizeX).toString());
    o.insert(QLatin1String("timerColor"), row.value(MenuRoles::TimerColor).toString());
    o.insert(QLatin1String("productLocked"), row.value(MenuRoles::ProductLocked).toBool());
    o.insert(QLatin1String("lidType"), row.value(MenuRoles::LidType).toString());
    o.insert(QLatin1String("bottomType"), row.value(MenuRoles::BottomType).toString());
    return o;
}

QJsonObject groupToJson(const MenuFile::Row &row)
{
    QJsonObject o;
    o.insert(QLatin1String("groupName"), MenuFile::namesToJson(row.value(MenuRoles::NamesList).toStringList()));
    o.insert(QLatin1String("groupId"), row.value(MenuRoles::Id).toInt());
    o.insert(QLatin1String("zoneSplits"), row.value(MenuRoles::PanSizeX).toString());
    o.insert(QLatin1String("lowerTemp"), row.value(MenuRoles::LowerTemp).toInt());
    o.insert(QLatin1String("upperTemp"), row.value(MenuRoles::UpperTemp).toInt());
    o.insert(QLatin1String("lidType"), row.value(MenuRoles::LidType).toString());
    o.insert(QLatin1String("defaultProd"), row.value(MenuRoles::Default).toInt());
    o.insert(QLatin1String("fanSpeed"), row.value(MenuRoles::TargetFanSpeed).toInt());
    QJsonArray products;
    const QStringList members = row.value(MenuRoles::ProductList).toStringList();
    for (const QString &member : members)
        products.append(QJsonObject{{QLatin1String("productId"), member.toInt()}});
    o.insert(QLatin1String("products"), products);
    return o;
}

} // namespace

bool MenuFile::parseMenuJson(const QByteArray &bytes, const Context &context, QList<Row> *rows,
                             QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (!document.isObject()) {
        if (error) {
            *error = parseError.error != QJsonParseError::NoError
                ? QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset)
                : QStringLiteral("not a JSON object");
        }
        return false;
    }
    const QJsonObject menu = document.object();
    const QJsonValue version = menu.value(QLatin1String("menuVersion"));
    if (version.toInt() != menuVersion) {
        if (error)
            *error = QStringLiteral("menuVersion %1 is not supported").arg(version.toVariant().toString());
        return false;
    }
    QList<Row> parsed;
    appendRows(menu.value(QLatin1String("products")), "products", context, productFromJson, &parsed);
    appendRows(menu.value(QLatin1String("productGroups")), "productGroups", context, groupFromJson, &parsed);
    *rows = parsed;
    return true;
}

QList<MenuFile::Row> MenuFile::parseLegacyList(const QByteArray &bytes, const Context &context)
{
    QList<QStringList> records;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int lineNumber = 0; lineNumber < lines.size(); ++lineNumber) {
        QString line = QString::fromUtf8(lines.at(lineNumber));
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1String("//")))
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        const QString kind = fields.first();
        const bool known = kind == QLatin1String("p") || kind == QLatin1String("g");
        // An unknown or empty line, or one without a whole-number id, would
        // otherwise be saved as product 0.
        if (!known || fields.size() < 2 || !isWholeNumber(fields.at(1))) {
            if (!line.trimmed().isEmpty())
                qWarning().noquote() << "productsList.txt: line" << lineNumber + 1 << "is not a product or group; skipped";
            continue;
        }
        records.append(fields);
    }
    return rowsFromLegacyFields(records, context);
}

QList<MenuFile::Row> MenuFile::rowsFromLegacyFields(const QList<QStringList> &records, const Context &context)
{
    QList<Row> rows;
    for (const QStringList &fields : records) {
        rows.append(fields.first() == QLatin1String("p") ? legacyProduct(fields, context)
                                                         : legacyGroup(fields, context, rows));
    }
    return rows;
}

QStringList MenuFile::legacyFields(const ProductTag &record)
{
    const QString lid = record.lidCode == ProductTag::LidSolid ? QStringLiteral("Solid")
        : record.lidCode == ProductTag::LidVented             ? QStringLiteral("Vented")
                                                              : QStringLiteral("None");
    switch (record.kind) {
    case ProductTag::KindProduct:
        return {QStringLiteral("p"), QString::number(record.id), record.nameText(),
                QString::number(record.holdTime), QString::number(record.warningTime),
                QString::number(record.temperature), QString::number(record.productTemperature), lid,
                record.bottomCode == ProductTag::BottomFalse ? QStringLiteral("False") : QStringLiteral("Normal"),
                QString::number(record.panSize), QString::number(record.fanSpeed)};
    case ProductTag::KindGroup: {
        QStringList fields{QStringLiteral("g"), QString::number(record.id), record.nameText(),
                           QString::number(record.temperature), QString::number(record.panSize), lid,
                           QString::number(record.defaultIndex)};
        const QList<quint32> members = record.memberIds();
        for (quint32 member : members)
            fields << QString::number(member);
        // A line without members still ends in "," after the default index.
        if (members.isEmpty())
            fields << QString();
        return fields;
    }
    default:
        return {};
    }
}

QList<MenuFile::Row> MenuFile::rowsFromMenuDocument(const QJsonObject &menu, const Context &context, int languageId)
{
    QList<Row> rows{importedEmptyProduct()};
    const QJsonArray products = menu.value(QLatin1String("products")).toArray();
    for (const QJsonValue &product : products) {
        const QJsonObject o = product.toObject();
        if (o.value(QLatin1String("productId")).toInt() != 0)
            rows << importedProduct(o, context, languageId);
    }
    const QJsonArray groups = menu.value(QLatin1String("productGroups")).toArray();
    for (const QJsonValue &group : groups)
        rows << importedGroup(group.toObject(), context, languageId);
    return rows;
}

QStringList MenuFile::legacyColumnTitles()
{
    return {
        QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Abreviation"),
        QStringLiteral("Abreviation8"), QStringLiteral("Hold time"), QStringLiteral("Warning time"),
        QStringLiteral("Hold temp"), QStringLiteral("Product temp"), QStringLiteral("Lid type"),
        QStringLiteral("Lid Ab"), QStringLiteral("Bottom Type"), QStringLiteral("Pan size"),
        QStringLiteral("Pan size X"), QStringLiteral("Group ID"), QStringLiteral("Product List"),
        QStringLiteral("Fan speed"),
    };
}

QByteArray MenuFile::toJson(const QList<Row> &rows)
{
    QJsonArray products;
    QJsonArray groups;
    for (const Row &row : rows) {
        if (isGroupRow(row))
            groups.append(groupToJson(row));
        else
            products.append(productToJson(row));
    }
    const QJsonObject menu{
        {QLatin1String("menuVersion"), menuVersion},
        {QLatin1String("products"), products},
        {QLatin1String("productGroups"), groups},
    };
    return QJsonDocument(menu).toJson(QJsonDocument::Indented);
}

bool MenuFile::isGroupRow(const Row &row)
{
    return row.value(MenuRoles::GroupId).toInt() >= 1;
}

QString MenuFile::panSizeToFraction(int panSize, int traysPerZone)
{
    switch (traysPerZone) {
    case 2:
        if (panSize == 2)
            return QStringLiteral("1/1");
        break;
    case 3:
        if (panSize == 1)
            return QStringLiteral("1/3");
        if (panSize == 2)
            return QStringLiteral("2/3");
        if (panSize == 3)
            return QStringLiteral("1/1");
        break;
    case 4:
        if (panSize == 1)
            return QStringLiteral("1/4");
        if (panSize == 3)
            return QStringLiteral("3/4");
        if (panSize == 4)
            return QStringLiteral("1/1");
        break;
    default:
        break;
    }
    return QStringLiteral("1/2");
}

int MenuFile::panFractionToPanSize(const QString &fraction, int traysPerZone)
{
    switch (traysPerZone) {
    case 2:
        if (fraction == QLatin1String("1/1"))
            return 2;
        break;
    case 3:
        if (fraction == QLatin1String("2/3"))
            return 2;
        if (fraction == QLatin1String("1/1"))
            return 3;
        break;
    case 4:
        if (fraction == QLatin1String("1/2"))
            return 2;
        if (fraction == QLatin1String("3/4"))
            return 3;
        if (fraction == QLatin1String("1/1"))
            return 4;
        break;
    default:
        break;
    }
    return 1;
}

QStringList MenuFile::namesFromJson(const QJsonObject &names)
{
    QStringList list;
    for (int id = 0; id < Translator::numberOfLanguages; ++id)
        list << names.value(Translator::languageCode(id)).toString();
    return list;
}

QJsonObject MenuFile::namesToJson(const QStringList &names)
{
    QJsonObject object;
    for (int id = 0; id < Translator::numberOfLanguages; ++id)
        object.insert(Translator::languageCode(id), id < names.size() ? names.at(id) : QString());
    return object;
}
