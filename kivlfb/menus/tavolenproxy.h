#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QString>

class QStringListModel;

// Menu import: finds a menu file on the stick, in the local folder or in the
// update drop folder, reads it and hands its records to the menu, day-part
// and configuration stores. Its file list feeds the import browser.
class TavolenProxy : public TarnStateMachine
{
    Q_OBJECT

public:
    explicit TavolenProxy(QObject *parent = nullptr);

    QStringListModel *get_mcImportFilesModel() const { return m_filesModel; }

signals:
    void importedMenu(QString timeStamp, QString fileName, QString source);
    void saveNewDayPartsToJson();
    void newProductsDataJsonDoc(QString json);
    void askForSlaveSignal();

public slots:
    // A menu import is one run of the machine: start() (the machine's own)
    // enters findMcFile. The import steps come with the menu-import work.
    void processSlaveFoundSignal(bool found);

    void findMcFile_onEntry();
    void findMcFile_onExit();

private:
    void buildMachine();

    QStringListModel *m_filesModel;
};
