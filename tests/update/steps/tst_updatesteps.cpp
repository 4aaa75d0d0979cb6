#include "bootloaderframe.h"
#include "updater.h"

#include "filetree.h"
#include "temproot.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The install steps that move the package's files into place, and what they
// tell the user when a file does not get there.
class TestUpdateSteps : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<QTemporaryDir> m_package;
    std::unique_ptr<Updater> m_updater;

    QString pkg() const { return m_package->path(); }

    // The package is checked as the chart checks it.
    void check(const QStringList &files)
    {
        QVERIFY(writeFileTree(pkg(), files));
        m_updater->checkUpdateFiles(pkg());
    }

    // A program this machine runs: this test itself, or its start edited.
    static QByteArray program(int offset = -1, char value = 0)
    {
        QFile self(QCoreApplication::applicationFilePath());
        if (!self.open(QIODevice::ReadOnly))
            return QByteArray();
        QByteArray bytes = self.readAll();
        if (offset >= 0)
            bytes[offset] = value;
        return bytes;
    }
    // A firmware file as the build makes it: an image, then its CRC high
    // byte first.
    void putFirmware(const QString &path, const QByteArray &image, bool crcRight = true)
    {
        const quint16 crc = BootloaderFrame::crc(image) ^ (crcRight ? 0 : 1);
        QFile file(pkg() + '/' + path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.write(image + char(crc >> 8) + char(crc & 0xFF)) == image.size() + 2);
    }
    static QByteArray firmware(const QByteArray &image)
    {
        const quint16 crc = BootloaderFrame::crc(image);
        return image + char(crc >> 8) + char(crc & 0xFF);
    }

    void putApplication(const QString &name, const QByteArray &bytes)
    {
        QFile file(pkg() + "/app/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

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

    void startScript_data()
    {
        QTest::addColumn<int>("selection");
        QTest::addColumn<QString>("folder");
        QTest::newRow("portrait primary") << 0 << "startScript_F_P";
        QTest::newRow("portrait secondary") << 1 << "startScript_B_P";
        QTest::newRow("landscape primary") << 2 << "startScript_F_L";
        QTest::newRow("landscape secondary") << 3 << "startScript_B_L";
        QTest::newRow("out of range") << 7 << "startScript_F_P";
    }

    void startScript()
    {
        QFETCH(int, selection);
        QFETCH(QString, folder);
        check({"startScript_F_P/kiv_script", "startScript_B_P/kiv_script",
               "startScript_F_L/kiv_script", "startScript_B_L/kiv_script", "help/x"});
        QVERIFY(m_root->writeFile("/root/kiv_script", "the old script"));
        m_updater->set_targetDisplaySelection(selection);
        m_updater->install_startScript();
        QCOMPARE(m_root->readFile("/root/kiv_script"), (folder + "/kiv_script").toUtf8());
        QVERIFY(!m_updater->get_updateFailed());
        QCOMPARE(m_updater->get_updaterDialogMsg(), QString());
    }

    // A package without the script for this display leaves the old one and
    // says nothing.
    void startScriptMissing()
    {
        check({"startScript_B_L/kiv_script", "help/x"});
        QVERIFY(m_root->writeFile("/root/kiv_script", "the old script"));
        m_updater->install_startScript();
        QCOMPARE(m_root->readFile("/root/kiv_script"), QByteArray("the old script"));
        QCOMPARE(m_updater->get_updaterDialogMsg(), QString());
        QVERIFY(!m_updater->get_updateFailed());
    }

    // Firmware images go into their folders ahead of the transfer; one that
    // cannot replace what lies there is reported twice and fails the update.
    void firmwareCopies()
    {
        QVERIFY(writeFileTree(pkg(), {"sibfirmware/", "nfcapp/"}));
        putFirmware("sibfirmware/io_5.bin", "I/O image");
        putFirmware("nfcapp/nfc_2.bin", "NFC image");
        check({});
        QSignalSpy sibCopied(m_updater.get(), &Updater::fwupdate_copied);
        QSignalSpy nfcCopied(m_updater.get(), &Updater::nfcfwupdate_copied);
        m_updater->install_sibUpdate();
        m_updater->install_nfcUpdate();
        QCOMPARE(m_root->readFile("/root/sibfirmware/io_5.bin"), firmware("I/O image"));
        QCOMPARE(m_root->readFile("/root/nfcfirmware/nfc_2.bin"), firmware("NFC image"));
        QCOMPARE(sibCopied.count(), 1);
        QCOMPARE(nfcCopied.count(), 1);
        QCOMPARE(m_updater->get_fwUpdateBytes(), 9);
        QCOMPARE(m_updater->get_nfcUpdateBytes(), 9);
        QVERIFY(!m_updater->get_updateFailed());

        // Copied again over an older file: replaced.
        QVERIFY(m_root->writeFile("/root/sibfirmware/io_5.bin", "older"));
        m_updater->install_sibUpdate();
        QCOMPARE(m_root->readFile("/root/sibfirmware/io_5.bin"), firmware("I/O image"));
    }

    // An image that fails its check is not installed: what lies in place
    // stays, and the transfer step reports the failure.
    void badFirmwareIsNotInstalled()
    {
        QVERIFY(writeFileTree(pkg(), {"sibfirmware/", "nfcapp/"}));
        putFirmware("sibfirmware/io_5.bin", "I/O image", false);
        putFirmware("nfcapp/nfc_2.bin", "NFC image", false);
        check({});
        QVERIFY(m_root->writeFile("/root/sibfirmware/io_5.bin", "older"));
        QSignalSpy sibCopied(m_updater.get(), &Updater::fwupdate_copied);
        QSignalSpy nfcCopied(m_updater.get(), &Updater::nfcfwupdate_copied);
        m_updater->install_sibUpdate();
        m_updater->install_nfcUpdate();
        QCOMPARE(m_root->readFile("/root/sibfirmware/io_5.bin"), QByteArray("older"));
        QVERIFY(!QFile::exists(m_root->filePath("/root/nfcfirmware/nfc_2.bin")));
        QCOMPARE(sibCopied.count() + nfcCopied.count(), 0);
        QCOMPARE(m_updater->get_updaterDialogMsg(), QString());
    }

    void firmwareTargetCannotBeRemoved()
    {
        QVERIFY(writeFileTree(pkg(), {"sibfirmware/"}));
        putFirmware("sibfirmware/io_5.bin", "I/O image");
        check({});
        const QString target = m_root->filePath("/root/sibfirmware/io_5.bin");
        QVERIFY(QDir().mkpath(target + "/in-the-way"));
        QSignalSpy next(m_updater.get(), &Updater::sibUpdateGo2NextStep);
        QSignalSpy copied(m_updater.get(), &Updater::fwupdate_copied);
        m_updater->set_updaterDialogMsg("before");
        m_updater->install_sibUpdate();
        QCOMPARE(m_updater->get_updaterDialogMsg(),
                 "before<br>Failed to remove file: " + target + "<br>Failed to copy file: "
                     + m_updater->packageRoot() + "/sibfirmware/io_5.bin-><br>" + target);
        QCOMPARE(next.count(), 1);
        QCOMPARE(copied.count(), 0);
        QVERIFY(m_updater->get_updateFailed());
    }

    // Menu files: each file is listed with its outcome; a failed one fails
    // the update and says so in the signal, and the chart moves on.
    void menuFiles_data()
    {
        QTest::addColumn<bool>("blockSecond");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("failed");
        QTest::newRow("all copied") << false << "a.mnu: OK<br>b.mnu: OK<br>" << false;
        QTest::newRow("second fails") << true << "a.mnu: OK<br>b.mnu: Fail<br>" << true;
    }

    void menuFiles()
    {
        QFETCH(bool, blockSecond);
        QFETCH(QString, status);
        QFETCH(bool, failed);
        check({"configuration/a.mnu", "configuration/b.mnu"});
        QVERIFY(m_root->writeFile("/root/mcImport/a.mnu", "an old menu"));
        if (blockSecond)
            QVERIFY(QDir().mkpath(m_root->filePath("/root/mcImport/b.mnu/in-the-way")));

        QStringList order;
        connect(m_updater.get(), &Updater::cookbookFiles_copied, this, [&] { order << "copied"; });
        connect(m_updater.get(), &Updater::cookbookFiles_copy_failed, this, [&] { order << "failed"; });
        connect(m_updater.get(), &Updater::startUpdateNextStep, this, [&] { order << "next"; });
        m_updater->set_updaterDialogMsg("before");
        m_updater->install_cookbookUpdate();

        QCOMPARE(m_updater->get_updaterDialogMsg(),
                 "before<br><b>Tavolen file install status</b><br><br>" + status);
        QCOMPARE(order, (QStringList{failed ? "failed" : "copied", "next"}));
        QCOMPARE(m_updater->get_updateFailed(), failed);
        QCOMPARE(m_root->readFile("/root/mcImport/a.mnu"), QByteArray("configuration/a.mnu"));
    }

    // Sounds and languages go to the user's folders, created when missing,
    // and change the dialog not at all.
    void userFolders_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("homeExists");
        QTest::newRow("sounds") << "sounds" << true;
        QTest::newRow("languages") << "languages" << true;
        QTest::newRow("sounds, no home") << "sounds" << false;
        QTest::newRow("languages, no home") << "languages" << false;
    }

    void userFolders()
    {
        QFETCH(QString, part);
        QFETCH(bool, homeExists);
        check({part + "/one.dat", part + "/two.dat"});
        if (homeExists)
            QVERIFY(QDir().mkpath(m_root->filePath("/home/user")));
        const bool sounds = part == "sounds";
        QSignalSpy copied(m_updater.get(), sounds ? &Updater::soundFiles_copied
                                                  : &Updater::languageFiles_copied);
        QSignalSpy failed(m_updater.get(), sounds ? &Updater::soundFiles_copy_failed
                                                  : &Updater::languageFiles_copy_failed);
        QSignalSpy next(m_updater.get(), &Updater::startUpdateNextStep);
        m_updater->set_updaterDialogMsg("before");
        if (sounds)
            m_updater->install_soundsUpdate();
        else
            m_updater->install_languagesUpdate();

        QCOMPARE(copied.count(), homeExists ? 1 : 0);
        QCOMPARE(failed.count(), homeExists ? 0 : 1);
        QCOMPARE(next.count(), 1);
        QCOMPARE(m_updater->get_updateFailed(), !homeExists);
        QCOMPARE(m_updater->get_updaterDialogMsg(), QStringLiteral("before"));
        if (homeExists) {
            QCOMPARE(m_root->readFile("/home/user/" + part + "/two.dat"), (part + "/two.dat").toUtf8());
        }
    }

    // Cleaning profiles are installed only when a client asks for them; the
    // step takes whatever the package's folder holds.
    void cleaningProfiles()
    {
        check({"cleaningProfiles/p1.json", "help/x"});
        QVERIFY(QDir().mkpath(m_root->filePath("/home/user")));
        QSignalSpy copied(m_updater.get(), &Updater::cleaningProfiles_copied);
        m_updater->install_cleaningUpdate();
        QCOMPARE(copied.count(), 1);
        QCOMPARE(m_root->readFile("/home/user/cleaningProfiles/p1.json"),
                 QByteArray("cleaningProfiles/p1.json"));
        QCOMPARE(m_updater->get_updaterDialogMsg(),
                 QStringLiteral("<br><b>Cleaning profiles install status</b><br><br>p1.json: OK<br>"));
    }

    // The new application replaces older versioned binaries and becomes
    // "kivlfb"; the display part then goes on to the secondary display only
    // when there is one.
    void applicationInstall_data()
    {
        QTest::addColumn<bool>("secondary");
        QTest::addColumn<QString>("running"); // the binary "kivlfb" links to before
        QTest::newRow("single display") << false << "kivlfb_1.9.0";
        QTest::newRow("with a secondary display") << true << "kivlfb_1.9.0";
        // Put in place by one rename over the old file of that name.
        QTest::newRow("the running version again") << false << "kivlfb_2.0.1";
    }

    void applicationInstall()
    {
        QFETCH(bool, secondary);
        QFETCH(QString, running);
        check({"app/kivlfb_2.0.1"});
        putApplication("kivlfb_2.0.1", program());
        QVERIFY(m_root->writeFile("/root/" + running, "old"));
        QVERIFY(m_root->writeFile("/root/config.txt", "kept"));
        QVERIFY(QFile::link(m_root->filePath("/root/" + running), m_root->filePath("/root/kivlfb")));
        m_updater->set_slaveUiNeeded(secondary);
        QSignalSpy finished(m_updater.get(), &Updater::uiAppPartFinished);
        QSignalSpy toSlave(m_updater.get(), &Updater::sendAppFileToSlave);
        QSignalSpy installed(m_updater.get(), &Updater::b1AppInstall_succeeded);
        m_updater->install_applicationUpdate();

        const QString target = m_root->filePath("/root/kivlfb_2.0.1");
        QVERIFY(!QFile::exists(m_root->filePath("/root/kivlfb_1.9.0")));
        QCOMPARE(m_root->readFile("/root/kivlfb_2.0.1"), program());
        QVERIFY(!QFile::exists(target + ".New"));
        QCOMPARE(m_root->readFile("/root/config.txt"), QByteArray("kept"));
        QCOMPARE(QFileInfo(m_root->filePath("/root/kivlfb")).symLinkTarget(), target);
        QVERIFY(QFileInfo(target).isExecutable());
        QCOMPARE(m_updater->get_newAppFilePath(), target);
        QCOMPARE(installed.count(), 1);
        QCOMPARE(finished.count(), secondary ? 0 : 1);
        QCOMPARE(toSlave.count(), secondary ? 1 : 0);
        QVERIFY(!m_updater->get_updateFailed());
    }

    void applicationLinkFails()
    {
        check({"app/kivlfb_2.0.1"});
        putApplication("kivlfb_2.0.1", program());
        QVERIFY(QDir().mkpath(m_root->filePath("/root/kivlfb/in-the-way")));
        QSignalSpy installed(m_updater.get(), &Updater::b1AppInstall_succeeded);
        QSignalSpy finished(m_updater.get(), &Updater::uiAppPartFinished);
        m_updater->install_applicationUpdate();
        QCOMPARE(m_updater->get_updaterDialogMsg(),
                 "<br>Failed to link file: " + m_root->filePath("/root/kivlfb_2.0.1"));
        QVERIFY(m_updater->get_updateFailed());
        QCOMPARE(installed.count(), 0);
        QCOMPARE(m_updater->get_newAppFilePath(), QString());
        QCOMPARE(finished.count(), 1);
    }

    // Only a program for this machine becomes "kivlfb": anything else fails
    // the step with its reason, and the display keeps the application it
    // had, its link and its binary, and sends nothing to the secondary.
    void applicationRefused_data()
    {
        // Offsets in the ELF header: class, byte order, type, machine.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a text file") << QByteArray("echo hello from kivlfb\n") << "not a program (no ELF header)";
        QTest::newRow("empty") << QByteArray() << "the file is empty";
        QTest::newRow("only the magic") << QByteArray("\x7f" "ELF") << "not a program (no ELF header)";
        QTest::newRow("another machine") << program(18, char(0x7e)) << "a program for another machine";
        QTest::newRow("the other class") << program(4, char(program().at(4) == 2 ? 1 : 2)) << "-bit program; this machine runs";
        QTest::newRow("the other byte order") << program(5, char(program().at(5) == 1 ? 2 : 1)) << "other byte order";
        QTest::newRow("an object file") << program(16, char(1)) << "not a program (ELF type 1)";
    }
    void applicationRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        check({"app/kivlfb_2.0.1"});
        putApplication("kivlfb_2.0.1", bytes);
        QVERIFY(m_root->writeFile("/root/kivlfb_1.9.0", "old"));
        QVERIFY(QFile::link(m_root->filePath("/root/kivlfb_1.9.0"), m_root->filePath("/root/kivlfb")));
        m_updater->set_slaveUiNeeded(true);
        QSignalSpy finished(m_updater.get(), &Updater::uiAppPartFinished);
        QSignalSpy toSlave(m_updater.get(), &Updater::sendAppFileToSlave);
        QSignalSpy installed(m_updater.get(), &Updater::b1AppInstall_succeeded);
        m_updater->install_applicationUpdate();

        QVERIFY(m_updater->get_updateFailed());
        QVERIFY2(m_updater->get_updaterDialogMsg().startsWith("<br>Failed to install application: kivlfb_2.0.1: "),
                 qPrintable(m_updater->get_updaterDialogMsg()));
        QVERIFY2(m_updater->get_updaterDialogMsg().contains(reason), qPrintable(m_updater->get_updaterDialogMsg()));
        QCOMPARE(QFileInfo(m_root->filePath("/root/kivlfb")).symLinkTarget(), m_root->filePath("/root/kivlfb_1.9.0"));
        QCOMPARE(m_root->readFile("/root/kivlfb_1.9.0"), QByteArray("old"));
        QCOMPARE(QDir(m_root->filePath("/root")).entryList({"kivlfb_2*"}, QDir::AllEntries), QStringList());
        QCOMPARE(m_updater->get_newAppFilePath(), QString());
        QCOMPARE(installed.count(), 0);
        QCOMPARE(toSlave.count(), 0);
        QCOMPARE(finished.count(), 1);
    }

    // The result file carries the failures the screen listed, on one line
    // and without "=", which would cut the value short for its reader.
    void failureReasons_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("reasons");
        QTest::newRow("nothing failed") << "<b>Firmware Update In Progress</b><br><b>Do Not Turn Equipment Off</b><br>"
                                           "<br><b>Tavolen file install status</b><br><br>a.mnu: OK<br>" << "";
        QTest::newRow("a copy, source > target")
            << "<b>Firmware Update In Progress</b><br><br>Failed to copy file: /pkg/x\n>\n/root/x" << "Failed to copy file: /pkg/x > /root/x";
        QTest::newRow("two kinds, each once")
            << "<br><b>IO software download FAILED! Too many retries.</b><br><br>b.mnu: Fail<br>"
               "<br><b>IO software download FAILED! Too many retries.</b><br>"
            << "IO software download FAILED! Too many retries.; b.mnu: Fail";
        QTest::newRow("no update")
            << "<b>Firmware Update In Progress</b><br><b>Do Not Turn Equipment Off</b><br>No update found"
            << "No update found";
        QTest::newRow("a reason over two lines")
            << "<br><b>Secondary UI app install FAILED! </b><br>Confirmation timeout."
            << "Secondary UI app install FAILED!; Confirmation timeout.";
        QTest::newRow("no equals sign") << "<br>Failed to copy file: /pkg/a=b" << "Failed to copy file: /pkg/a b";
    }
    void failureReasons()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, reasons);
        QCOMPARE(Updater::failureReasons(dialog), reasons);
    }

    void alreadyInstalled_data()
    {
        QTest::addColumn<QString>("rev");
        QTest::addColumn<bool>("installed");
        QTest::newRow("prefix") << "kivlfb_2.0" << true;
        QTest::newRow("other case") << "KIVLFB_2.0" << false;
        QTest::newRow("not a prefix") << "kivlfb_2.1" << false;
    }

    void alreadyInstalled()
    {
        QFETCH(QString, rev);
        QFETCH(bool, installed);
        check({"app/kivlfb_2.0.1"});
        m_updater->checkIfUiAlreadyInstalled(rev);
        QCOMPARE(m_updater->get_uiUpdateAlreadyInstalled(), installed);
    }

    void ipcMessages()
    {
        QSignalSpy raise(m_updater.get(), &Updater::raise_this_window);
        QSignalSpy succeeded(m_updater.get(), &Updater::fwupdate_succeeded);
        QByteArray versions;
        QDataStream out(&versions, QIODevice::WriteOnly);
        out << QStringLiteral("sib 4.2") << QStringLiteral("ui 2.0");
        m_updater->receive_ipc_message("fwupdate_exited", {});
        m_updater->receive_ipc_message("fwupdate_suceeded", {});
        m_updater->receive_ipc_message("currentSwVersions(QString, QString)", versions);
        m_updater->receive_ipc_message("something else", versions + versions);
        QCOMPARE(raise.count(), 1);
        QCOMPARE(succeeded.count(), 1);
        QCOMPARE(m_updater->get_sibCurrentSwVersion(), QStringLiteral("sib 4.2"));
        QCOMPARE(m_updater->get_uiCurrentSwVersion(), QStringLiteral("ui 2.0"));
    }

    void removeDir()
    {
        QVERIFY(m_updater->removeDir("/root/updates/none"));
        QVERIFY(writeFileTree(m_root->filePath("/root/tmp"), {"a", ".hidden", "sub/b", "sub/deeper/c"}));
        QVERIFY(m_updater->removeDir("/root/tmp"));
        QVERIFY(!QFileInfo::exists(m_root->filePath("/root/tmp")));
        QVERIFY(QFileInfo::exists(m_root->filePath("/root")));
    }

    void versionText()
    {
        QCOMPARE(m_updater->getUpdaterSwVersion(), QStringLiteral("version - 1.3.1"));
    }
};

QTEST_MAIN(TestUpdateSteps)
#include "tst_updatesteps.moc"
