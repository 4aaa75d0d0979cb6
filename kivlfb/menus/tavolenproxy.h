#pragma once

#include "menuimporthost.h"
#include "tavolenrecords.h"

#include "statemachine/tarnstatemachine.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The cabinet's gateway for menus made with the menu tool. It lists the
// ".kiv" and ".json" menu files of the flash drive or of the preloaded-menu
// folder for the import screen, reads either kind, hands the configuration,
// products and day parts on by signal, reports the outcome to the screens
// and the IoT side, and exports the cabinet's menu to the flash drive as a
// JSON menu document.
//
// Its machine runs once, when the displays have synchronised: a menu waiting
// in the update folder, whose time-stamp file (if any) names a time that has
// passed, is imported and then removed.
//
// Folders are paths of the target, "/" at the end; files are reached through
// the root helper.
class TavolenProxy : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool mcImportFound READ get_mcImportFound WRITE set_mcImportFound NOTIFY mcImportFoundChanged)
    Q_PROPERTY(QString updateMenuTimeStamp READ get_updateMenuTimeStamp WRITE set_updateMenuTimeStamp NOTIFY updateMenuTimeStampChanged)
    Q_PROPERTY(QString mcImportFilename READ get_mcImportFilename WRITE set_mcImportFilename NOTIFY mcImportFilenameChanged)
    Q_PROPERTY(QString mcImportDir READ get_mcImportDir WRITE set_mcImportDir NOTIFY mcImportDirChanged)
    Q_PROPERTY(bool upDirPossible READ get_upDirPossible WRITE set_upDirPossible NOTIFY upDirPossibleChanged)
    Q_PROPERTY(QStringList dirContent READ get_dirContent WRITE set_dirContent NOTIFY dirContentChanged)
    Q_PROPERTY(int numOfFiles READ get_numOfFiles WRITE set_numOfFiles NOTIFY numOfFilesChanged)

public:
    // Where the start-up import source value is 2 (else 0).
    static constexpr int AutoImportSource = 2;

    explicit TavolenProxy(QObject *parent = nullptr);
    ~TavolenProxy() override;

    void setHost(std::unique_ptr<MenuImportHost> host);

    static QString usbFolder();
    static QString localFolder();
    static QString updateFolder();

    bool get_mcImportFound() const { return m_mcImportFound; }
    QString get_updateMenuTimeStamp() const { return m_updateMenuTimeStamp; }
    QString get_mcImportFilename() const { return m_mcImportFilename; }
    QString get_mcImportDir() const { return m_mcImportDir; }
    bool get_upDirPossible() const { return m_upDirPossible; }
    QStringList get_dirContent() const { return m_dirContent; }
    int get_numOfFiles() const { return m_numOfFiles; }

public slots:
    // Every setter announces its value, also an unchanged one.
    void set_mcImportFound(bool value);
    void set_updateMenuTimeStamp(const QString &value);
    void set_mcImportFilename(const QString &value);
    void set_mcImportDir(const QString &value);
    void set_upDirPossible(bool value);
    void set_dirContent(const QStringList &value);
    void set_numOfFiles(int value);

    // KivDefs::MC_IMPORT_SOURCE_USB: the flash drive; any other value: the
    // preloaded-menu folder.
    void set_importSource(int sourceType);
    void getMcImportDirList();
    // The file browser lists in name order already; nothing to sort.
    void sortFileModel(QString value);

    // filePath is relative to mcImportDir.
    void importTavolenFile(QString filePath);
    void importTavolenJsonFile(QString filePath);
    // filePath names the folder the IoT agent filled; its first ".json"
    // file is imported and then removed, whatever the outcome.
    void importIotAgentJsonFile(QString filePath);
    void exportTavolenJsonFile();

    void processSlaveFoundSignal(bool value);

    // State actions; only doTheImport has something to do on exit.
    void findMcFile_onEntry();
    void findMcFile_onExit() {}
    void checkSlaveReady_onEntry();
    void checkSlaveReady_onExit() {}
    void doTheImport_onEntry();
    void doTheImport_onExit();
    void doneState_onEntry();
    void doneState_onExit() {}
    void nothingToDo_onEntry();
    void nothingToDo_onExit() {}

signals:
    void mcImportFoundChanged(bool value);
    void updateMenuTimeStampChanged(QString value);
    void mcImportFilenameChanged(QString value);
    void mcImportDirChanged(QString value);
    void upDirPossibleChanged(bool value);
    void dirContentChanged(QStringList value);
    void numOfFilesChanged(int value);

    void badHeaderCrc();
    void invalidFileVersion();
    void badConfigurationCrc();
    void badProductCrc();
    void badDaypartCrc();
    void newDayPartData(DayPart_t data, int idx);
    void saveNewDayPartsToJson();
    void newConfigData(Configuration_t data);
    void newProductsDataList(QList<Product_t> list);
    void newProductsDataJsonDoc(QString data);
    void tavolenDataImported();
    void tavolenDataImportFailed();
    void importedMenu(QString importedMenu, QString menuVer, QString menuDesc);
    void exportedMenu(QString value);
    void exportMenuFailed();

    void askForSlaveSignal();
    void slaveFoundSignal();
    void slaveNotFoundSignal();
    void doMcAutoImport();
    void noMcAutoImport();
    void doneImporting();

private:
    void buildMachine();
    int importSource() const { return m_autoImport ? AutoImportSource : 0; }
    void reportFailure();
    // Announces a menu document that passed its check; false when the
    // document failed, after logging why.
    bool announceJsonImport(const QByteArray &bytes, const QString &path, const QString &fileName,
                            bool fromAgent);

    std::unique_ptr<MenuImportHost> m_host;
    bool m_autoImport = false;

    bool m_mcImportFound = false;
    QString m_updateMenuTimeStamp;
    QString m_mcImportFilename;
    QString m_mcImportDir;
    bool m_upDirPossible = false;
    QStringList m_dirContent;
    int m_numOfFiles = 0;
};
