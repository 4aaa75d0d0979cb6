#include "menus/tavolenfilecodec.h"

#include "bytelist.h"
#include "menutoolfile.h"

#include <QtTest>

using Codec = TavolenFileCodec;

Q_DECLARE_METATYPE(TavolenFileCodec::Stage)

namespace {

// A small menu: two products and a group, both day parts filled.
MenuToolFile sampleMenu()
{
    MenuToolFile f;
    f.configuration.language = ConfigurationTag::LanguageSpanish;
    f.configuration.useFirst = 1;
    f.configuration.labelFontSize = 22;
    for (int i = 0; i < ConfigurationTag::HashSize; ++i)
        f.configuration.productsHash[size_t(i)] = quint8(0xF0 + i);
    f.products << MenuToolFile::product(5, "Fries", 420, 360, 170, 185)
               << MenuToolFile::product(0x01020304, "Patty", 1800, 300, 160, 180)
               << MenuToolFile::group(1073741825, "Sides", {5, 0x01020304});
    for (int bin = 0; bin < DayPartTag::Bins; ++bin) {
        f.dayParts[0].productIds[size_t(bin)] = quint32(bin + 1);
        f.dayParts[1].productIds[size_t(bin)] = quint32(100 + bin);
    }
    return f;
}

// Flips one byte inside a block, leaving its CRC as it was.
QByteArray damaged(QByteArray bytes, int offset)
{
    bytes[offset] = char(bytes.at(offset) ^ 0x5A);
    return bytes;
}

} // namespace

class TestTavolenFileCodec : public QObject
{
    Q_OBJECT

private slots:
    // The fixture writer must put every field where the menu tool does;
    // the reader is then checked against it.
    void fixtureFollowsTheFileLayout()
    {
        QCOMPARE(MenuToolFile::header(5, 3, 18, 44, 446).mid(2),
                 bytes({5, 0, 3, 0, 18, 0, 0, 0, 44, 0, 0, 0, 0xBE, 0x01, 0, 0}));
        const MenuToolFile f = sampleMenu();
        const QByteArray file = f.bytes();
        QCOMPARE(file.size(), 18 + 26 + 3 * 134 + 2 * 82);
        QCOMPARE(f.productOffset(0), 44);
        const int patty = f.productOffset(1);
        QCOMPARE(file.mid(patty + 2, 2), QByteArray("p\0", 2));
        QCOMPARE(file.mid(patty + 4, 4), bytes({0x04, 0x03, 0x02, 0x01}));
        QCOMPARE(file.mid(patty + 8, 6), QByteArray("Patty\0", 6));
        QCOMPARE(file.mid(patty + 72, 4), bytes({0x08, 0x07, 0, 0})); // 1800
        QCOMPARE(file.at(patty + 88), char(ProductTag::LidSolid));
        QCOMPARE(file.at(patty + 132), char(80));
        const int group = f.productOffset(2);
        QCOMPARE(file.mid(group + 92, 8), bytes({5, 0, 0, 0, 0x04, 0x03, 0x02, 0x01}));
        QCOMPARE(file.mid(f.dayPartOffset(1) + 2, 4), bytes({100, 0, 0, 0}));
    }

    void readsEveryBlock()
    {
        const MenuToolFile f = sampleMenu();
        const Codec::Content c = Codec::decode(f.bytes());

        QVERIFY(c.intact());
        QCOMPARE(c.header.version, quint16(5));
        QCOMPARE(c.header.productCount, quint8(3));
        QCOMPARE(c.configuration.language, quint8(ConfigurationTag::LanguageSpanish));
        QCOMPARE(c.configuration.useFirst, quint8(1));
        QCOMPARE(c.configuration.labelFontSize, quint8(22));
        QCOMPARE(c.configuration.productsHash[15], quint8(0xFF));

        // The placeholder product comes first: count + 1 records.
        QCOMPARE(c.products.size(), 4);
        const ProductTag &empty = c.products.at(0);
        QCOMPARE(empty.kind, quint8('p'));
        QCOMPARE(empty.id, 0u);
        QCOMPARE(empty.nameText(), QString());
        QCOMPARE(empty.productTemperature, 185u);
        QCOMPARE(empty.panSize, quint8(1));
        QCOMPARE(empty.crc, quint16(0));

        const ProductTag &patty = c.products.at(2);
        QCOMPARE(patty.id, 0x01020304u);
        QCOMPARE(patty.nameText(), QStringLiteral("Patty"));
        QCOMPARE(patty.holdTime, 1800u);
        QCOMPARE(patty.warningTime, 300u);
        QCOMPARE(patty.temperature, 160u);
        QCOMPARE(patty.productTemperature, 180u);
        QCOMPARE(patty.fanSpeed, quint8(80));
        const ProductTag &group = c.products.at(3);
        QCOMPARE(group.kind, quint8('g'));
        QCOMPARE(group.memberIds(), (QList<quint32>{5, 0x01020304}));

        QCOMPARE(c.dayParts.size(), 2);
        QCOMPARE(c.dayParts.at(0).productIds[0], 1u);
        QCOMPARE(c.dayParts.at(1).productIds[19], 119u);

        // Bytes after the last block are not the reader's concern.
        QVERIFY(Codec::decode(f.bytes() + QByteArray(40, '\x7f')).intact());
    }

    void readsAMenuWithoutProducts()
    {
        MenuToolFile f;
        const Codec::Content c = Codec::decode(f.bytes());
        QVERIFY(c.intact());
        QCOMPARE(c.products.size(), 1);
        QCOMPARE(c.products.first().id, 0u);
    }

    void namesAndMembersStayInTheirFields_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("terminated") << QByteArray("Nuggets") << QStringLiteral("Nuggets");
        QTest::newRow("64 bytes, no zero") << QByteArray(64, 'x') << QString(64, 'x');
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 cr\xc3\xa8me") << QStringLiteral("Café crème");
    }

    void namesAndMembersStayInTheirFields()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, text);
        MenuToolFile f;
        f.products << MenuToolFile::product(9, name, 1, 1, 1, 1);
        // The hold time follows the name field: the name must not run into it.
        f.products[0].holdTime = 0x41414141;
        const Codec::Content c = Codec::decode(f.bytes());
        QVERIFY(c.intact());
        QCOMPARE(c.products.at(1).nameText(), text);

        ProductTag group = MenuToolFile::group(1, "g", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QCOMPARE(group.memberIds().size(), 10);
        group.members[2] = 0;
        QCOMPARE(group.memberIds(), (QList<quint32>{1, 2}));
    }

    void crcsAreCheckedBlockByBlock_data()
    {
        const MenuToolFile f = sampleMenu();
        const QByteArray good = f.bytes();
        MenuToolFile version4 = f;
        version4.version = 4;

        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Codec::Stage>("stage");
        QTest::addColumn<bool>("configurationGood");
        QTest::addColumn<int>("badProduct");
        QTest::addColumn<int>("products");    // records read, the placeholder included
        QTest::addColumn<int>("badDayPart");
        QTest::addColumn<int>("dayParts");

        QTest::newRow("header") << damaged(good, 5) << Codec::BadHeaderCrc << true << -1 << 0 << -1 << 0;
        QTest::newRow("version 4") << version4.bytes() << Codec::UnsupportedVersion << true << -1 << 0 << -1 << 0;
        QTest::newRow("configuration and second product")
            << damaged(damaged(good, f.configurationOffset() + 9), f.productOffset(1) + 20)
            << Codec::BlocksRead << false << 1 << 3 << -1 << 2;
        QTest::newRow("first product, on its CRC")
            << damaged(good, f.productOffset(0)) << Codec::BlocksRead << true << 0 << 2 << -1 << 2;
        QTest::newRow("day part 0") << damaged(good, f.dayPartOffset(0) + 40) << Codec::BlocksRead
                                    << true << -1 << 4 << 0 << 1;
        QTest::newRow("day part 1") << damaged(good, f.dayPartOffset(1) + 81) << Codec::BlocksRead
                                    << true << -1 << 4 << 1 << 2;
    }

    void crcsAreCheckedBlockByBlock()
    {
        QFETCH(QByteArray, file);
        QFETCH(Codec::Stage, stage);
        QFETCH(bool, configurationGood);
        QFETCH(int, badProduct);
        QFETCH(int, products);
        QFETCH(int, badDayPart);
        QFETCH(int, dayParts);

        const Codec::Content c = Codec::decode(file);
        QCOMPARE(c.stage, stage);
        QVERIFY(!c.intact());
        QCOMPARE(c.configurationCrc.good(), configurationGood);
        QCOMPARE(c.badProduct, badProduct);
        QCOMPARE(c.products.size(), products);
        QCOMPARE(c.badDayPart, badDayPart);
        QCOMPARE(c.dayParts.size(), dayParts);
        if (badProduct >= 0)
            QVERIFY(c.badProductCrc.computed != c.badProductCrc.stored);
    }

    // Every cut of a good file, at block boundaries and inside every block,
    // is refused before any block is read.
    void truncatedFilesAreRefused()
    {
        const QByteArray good = sampleMenu().bytes();
        for (int size = 0; size < good.size(); ++size) {
            const Codec::Content c = Codec::decode(good.left(size));
            QVERIFY2(!c.intact(), qPrintable(QString::number(size)));
            QCOMPARE(c.stage, size < Codec::HeaderSize ? Codec::TooShort : Codec::BlocksOutsideFile);
            QVERIFY(c.products.isEmpty());
            QVERIFY(c.dayParts.isEmpty());
        }
    }

    void headersNamingBlocksOutsideTheFileAreRefused_data()
    {
        QTest::addColumn<quint8>("count");
        QTest::addColumn<quint32>("configuration");
        QTest::addColumn<quint32>("products");
        QTest::addColumn<quint32>("dayParts");
        QTest::newRow("255 products announced") << quint8(255) << 18u << 44u << 44u;
        QTest::newRow("configuration at the end") << quint8(0) << 0xFFFFFFF0u << 44u << 44u;
        QTest::newRow("products wrap around") << quint8(2) << 18u << 0xFFFFFFFFu << 44u;
        QTest::newRow("day parts past the end") << quint8(0) << 18u << 44u << 100u;
    }

    void headersNamingBlocksOutsideTheFileAreRefused()
    {
        QFETCH(quint8, count);
        QFETCH(quint32, configuration);
        QFETCH(quint32, products);
        QFETCH(quint32, dayParts);
        // A file of 250 bytes: room for the configuration and both day
        // parts, as a good file without products has.
        const QByteArray file = MenuToolFile::header(5, count, configuration, products, dayParts)
            + QByteArray(250 - Codec::HeaderSize, '\0');
        QCOMPARE(Codec::decode(file).stage, Codec::BlocksOutsideFile);
    }
};

QTEST_APPLESS_MAIN(TestTavolenFileCodec)
#include "tst_tavolenfilecodec.moc"
