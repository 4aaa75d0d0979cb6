#include "updater.h"

#include "modbus/qmodbusmaster.h"

#include "filetree.h"
#include "temproot.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The package check: which parts a package folder offers, the files and
// texts it remembers for them, and the boards it marks for updating.
class TestUpdatePackage : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<QTemporaryDir> m_package;
    std::unique_ptr<Updater> m_updater;

    QString pkg() const { return m_package->path(); }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        m_package = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid() && m_package->isValid());
        m_updater = std::make_unique<Updater>(nullptr, nullptr, -1);
    }

    void cleanup()
    {
        m_updater.reset();
        m_package.reset();
        m_root.reset();
    }

    void constructorDefaults()
    {
        Updater updater(nullptr, nullptr, 24);
        QCOMPARE(updater.get_orientationId(), 24);
        QCOMPARE(updater.get_targetPath(), QStringLiteral("/root"));
        QCOMPARE(updater.get_slavePhuId(), -1);
        QVERIFY(updater.get_b1SibAutoDownload());
        QVERIFY(!updater.get_usbStorageAvailable());
        QVERIFY(updater.modbusMaster());
        QCOMPARE(updater.modbusMaster()->objectName(), QStringLiteral("mbm"));
        QSignalSpy changed(&updater, &Updater::targetPathChanged);
        updater.set_TargetPath(QStringLiteral("/media/usb0/pkg"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(updater.property("targetPath").toString(), QStringLiteral("/media/usb0/pkg"));
    }

    void parts_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("nfcBoards");
        // "property=value" pairs read back through the meta-object.
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("sounds only")
            << QStringList{"sounds/a.wav", "sounds/b.wav", "sounds/c.wav"} << 0
            << QStringList{"soundsUpdateAvailable=true",
                           "soundUpdateInfoTxt=<b>Sound files</b><br>3 files",
                           "usbStorageAvailable=true", "applicationUpdateAvailable=false"};
        QTest::newRow("nfc firmware alone is no update")
            << QStringList{"nfcapp/nfc_2_1.bin"} << 1
            << QStringList{"nfcAppUpdateAvailable=true",
                           "nfcUpdateInfoTxt=<b>NFC software</b><br>nfc_2_1.bin",
                           "usbStorageAvailable=false"};
        QTest::newRow("sib last name not an image")
            << QStringList{"sibfirmware/a.bin", "sibfirmware/b.txt"} << 0
            << QStringList{"sibUpdateAvailable=false", "sibFwFilename=",
                           "usbStorageAvailable=false"};
        QTest::newRow("sib newest image")
            << QStringList{"sibfirmware/a.bin", "sibfirmware/b.bin"} << 0
            << QStringList{"sibUpdateAvailable=true", "sibFwFilename=b.bin",
                           "sibUpdateInfoTxt=<b>PHU software</b><br>b.bin",
                           "usbStorageAvailable=true"};
        QTest::newRow("sib folder empty") << QStringList{"sibfirmware/"} << 0
                                          << QStringList{"sibUpdateAvailable=false"};
        QTest::newRow("app first in name order")
            << QStringList{"app/kivlfb_2.1", "app/kivlfb_2.0", "app/README"} << 0
            << QStringList{"applicationUpdateAvailable=true",
                           "uiUpdateInfoTxt=<b>UI software</b><br>kivlfb_2.0"};
        QTest::newRow("app without application")
            << QStringList{"app/other", "app/Kivlfb"} << 0
            << QStringList{"applicationUpdateAvailable=false", "usbStorageAvailable=false"};
        QTest::newRow("config and splash screen")
            << QStringList{"config/notes.txt", "config/cab.hcc", "splashScreen/splash-screen"} << 0
            << QStringList{"configUpdateAvailable=true", "splashScreenUpdateAvailable=true"};
        QTest::newRow("splash screen misnamed, config without personality")
            << QStringList{"config/cab.json", "splashScreen/splash.png"} << 0
            << QStringList{"configUpdateAvailable=false", "splashScreenUpdateAvailable=false"};
        QTest::newRow("cookbook, kernel, help, languages")
            << QStringList{"configuration/menu.dat", "configuration/cookbook.json", "uImage/uImage",
                           "help/h1.pdf", "help/h2.pdf", "languages/deu.qm"} << 0
            << QStringList{"cookbookUpdateAvailable=true",
                           "cbUpdateInfoTxt=<b>Tavolen file</b><br>cookbook.json<br>",
                           "kernelUpdateAvailable=true", "osUpdateInfoTxt=<b>OS kernel</b>",
                           "helpfilesUpdateAvailable=true",
                           "helpUpdateInfoTxt=<b>Help files</b><br>2 files",
                           "languagesUpdateAvailable=true",
                           "languageUpdateInfoTxt=<b>Language files</b><br>1 files",
                           "usbStorageAvailable=true"};
        QTest::newRow("empty folders")
            << QStringList{"sounds/", "help/", "languages/", "configuration/", "uImage/"} << 0
            << QStringList{"soundsUpdateAvailable=false", "helpfilesUpdateAvailable=false",
                           "languagesUpdateAvailable=false", "cookbookUpdateAvailable=false",
                           "kernelUpdateAvailable=false", "usbStorageAvailable=false"};
        QTest::newRow("plain files named like parts")
            << QStringList{"sounds", "app", "help/x"} << 0
            << QStringList{"soundsUpdateAvailable=false", "applicationUpdateAvailable=false",
                           "helpfilesUpdateAvailable=true"};
        QTest::newRow("folder names are case-sensitive")
            << QStringList{"Sounds/a.wav", "APP/kivlfb"} << 0
            << QStringList{"soundsUpdateAvailable=false", "applicationUpdateAvailable=false"};
    }

    void parts()
    {
        QFETCH(QStringList, paths);
        QFETCH(int, nfcBoards);
        QFETCH(QStringList, expected);

        QVERIFY(writeFileTree(pkg(), paths));
        m_updater->set_nfcBoardCount(nfcBoards);
        m_updater->checkUpdateFiles(pkg());

        for (const QString &pair : expected) {
            const QString name = pair.section(QLatin1Char('='), 0, 0);
            const QString value = pair.section(QLatin1Char('='), 1);
            const QVariant actual = m_updater->property(name.toLatin1());
            QVERIFY2(actual.isValid(), qPrintable(name));
            QCOMPARE(actual.toString(), value);
        }
        QCOMPARE(m_updater->packageRoot(), QDir(pkg()).absolutePath());
    }

    void rememberedFiles()
    {
        QVERIFY(writeFileTree(pkg(), {"app/kivlfb_3", "config/b.hcc", "config/a.hcc", "sibfirmware/io.bin",
                             "nfcapp/x.txt", "nfcapp/nfc.bin", "configuration/m.json",
                             "sounds/z.wav", "sounds/a.wav", "languages/fra.qm"}));
        m_updater->checkUpdateFiles(pkg());
        QCOMPARE(m_updater->newAppFileName(), QStringLiteral("kivlfb_3"));
        QCOMPARE(m_updater->configFileName(), QStringLiteral("a.hcc"));
        QCOMPARE(m_updater->sibFwFileName(), QStringLiteral("io.bin"));
        QCOMPARE(m_updater->nfcFwFileName(), QStringLiteral("nfc.bin"));
        QCOMPARE(m_updater->cookbookEntries(), (QStringList{".", "..", "m.json"}));
        QCOMPARE(m_updater->soundEntries(), (QStringList{".", "..", "a.wav", "z.wav"}));
        QCOMPARE(m_updater->languageEntries(), (QStringList{".", "..", "fra.qm"}));
    }

    void boardsToUpdate_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("nfcBoards");
        QTest::addColumn<QList<int>>("nodes");

        QTest::newRow("io board") << QStringList{"sibfirmware/io.bin"} << 2 << QList<int>{1};
        QTest::newRow("two nfc boards") << QStringList{"nfcapp/n.bin"} << 2 << QList<int>{2, 3};
        QTest::newRow("one nfc board") << QStringList{"nfcapp/n.bin"} << 1 << QList<int>{2};
        QTest::newRow("nfc off") << QStringList{"nfcapp/n.bin"} << 0 << QList<int>{};
        QTest::newRow("no nfc update") << QStringList{"sounds/s.wav"} << 2 << QList<int>{};
        QTest::newRow("everything") << QStringList{"sibfirmware/io.bin", "nfcapp/n.bin"} << 2
                                    << QList<int>{1, 2, 3};
    }

    void boardsToUpdate()
    {
        QFETCH(QStringList, paths);
        QFETCH(int, nfcBoards);
        QFETCH(QList<int>, nodes);

        QVERIFY(writeFileTree(pkg(), paths));
        m_updater->set_nfcBoardCount(nfcBoards);
        m_updater->checkUpdateFiles(pkg());
        const QMap<int, bool> done = m_updater->nodeDoneMap();
        QCOMPARE(done.keys(), nodes);
        for (bool d : done)
            QVERIFY(!d);
    }

    void missingPackageKeepsParts()
    {
        QVERIFY(writeFileTree(pkg(), {"sounds/a.wav"}));
        m_updater->checkUpdateFiles(pkg());
        QVERIFY(m_updater->get_usbStorageAvailable());

        m_updater->checkUpdateFiles(pkg() + QStringLiteral("/nowhere"));
        QVERIFY(!m_updater->get_usbStorageAvailable());
        QVERIFY(m_updater->get_soundsUpdateAvailable());

        // A later package without a folder leaves that part as it was.
        QTemporaryDir other;
        QVERIFY(writeFileTree(other.path(), {"help/h.pdf"}));
        m_updater->checkUpdateFiles(other.path());
        QVERIFY(m_updater->get_soundsUpdateAvailable());
        QVERIFY(m_updater->get_helpfilesUpdateAvailable());
    }

    void cancelAndTerminate()
    {
        QVERIFY(writeFileTree(pkg(), {"sounds/a.wav"}));
        m_updater->checkUpdateFiles(pkg());
        QVERIFY(m_updater->isAnyUpdateAvailable());

        QSignalSpy changed(m_updater.get(), &Updater::updateChangeDetected);
        QSignalSpy restart(m_updater.get(), &Updater::requestRestart);
        m_updater->updateCanceled();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(restart.count(), 0);
        QVERIFY(!m_updater->isAnyUpdateAvailable());
        QVERIFY(m_updater->get_soundsUpdateAvailable());

        m_updater->checkUpdateFiles(pkg());
        QVERIFY(m_updater->isAnyUpdateAvailable());

        m_updater->updateTerminated();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(restart.count(), 1);
        QVERIFY(!m_updater->isAnyUpdateAvailable());
    }

    void cleaningSetByClientCounts()
    {
        QVERIFY(!m_updater->isAnyUpdateAvailable());
        m_updater->set_languagesUpdateAvailable(true);
        m_updater->set_nfcAppUpdateAvailable(true);
        QVERIFY(!m_updater->isAnyUpdateAvailable());
        m_updater->set_cleaningUpdateAvailable(true);
        QVERIFY(m_updater->isAnyUpdateAvailable());
    }

    void processUpdateCopiesIoFirmware()
    {
        QVERIFY(writeFileTree(pkg(), {"sibfirmware/io_5.bin"}));
        m_updater->checkUpdateFiles(pkg());
        m_updater->set_TargetPath(QStringLiteral("/root"));

        // No destination folder: nothing is copied, nothing breaks.
        m_updater->processUpdate();
        QVERIFY(!QFile::exists(m_root->filePath("/root/sibfirmware/io_5.bin")));

        QVERIFY(QDir().mkpath(m_root->filePath("/root/sibfirmware")));
        m_updater->processUpdate();
        QCOMPARE(m_root->readFile("/root/sibfirmware/io_5.bin"), QByteArray("sibfirmware/io_5.bin"));

        // An existing file is not overwritten.
        QVERIFY(m_root->writeFile("/root/sibfirmware/io_5.bin", "older"));
        m_updater->processUpdate();
        QCOMPARE(m_root->readFile("/root/sibfirmware/io_5.bin"), QByteArray("older"));
    }

    // The machine checks the working directory when it starts, and with
    // auto-install asks for the update to begin.
    void idleChecksWorkingDirectory()
    {
        QVERIFY(writeFileTree(pkg(), {"uImage/uImage"}));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(pkg()));
        m_updater->set_autoInstall(true);
        QSignalSpy begin(m_updater.get(), &Updater::startUpdateNextStep);
        m_updater->start();
        QTRY_VERIFY(begin.count() >= 1);
        QVERIFY(QDir::setCurrent(previous));
        QVERIFY(m_updater->get_kernelUpdateAvailable());
        QVERIFY(m_updater->get_usbStorageAvailable());
        QCOMPARE(m_updater->packageRoot(), QDir(pkg()).canonicalPath());
    }
};

QTEST_MAIN(TestUpdatePackage)
#include "tst_updatepackage.moc"
