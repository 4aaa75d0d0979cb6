#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QModelIndex>
#include <QPointer>
#include <QString>
#include <QVector>

class QFileSystemModel;
class QLocalServer;
class QLocalSocket;
class QModbusMaster;
class QModbusPollInfo;

// The frame of an in-application firmware loader for the I/O board: a
// folder browser for choosing an update file, the search for an update
// archive, the local socket over which an external updater reports its log,
// and the request that puts the I/O board into its boot loader. The segment
// transfer itself is not there yet: its states exist, the machine is never
// started.
class UpdateManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool updateFound READ get_updateFound WRITE set_updateFound NOTIFY updateFoundChanged)
    Q_PROPERTY(QString updateFilename READ get_updateFilename WRITE set_updateFilename NOTIFY updateFilenameChanged)
    Q_PROPERTY(QString updateLogText READ get_updateLogText WRITE set_updateLogText NOTIFY updateLogTextChanged)
    Q_PROPERTY(QString fwDir READ get_fwDir WRITE set_fwDir NOTIFY fwDirChanged)
    Q_PROPERTY(bool upDirPossible READ get_upDirPossible WRITE set_upDirPossible NOTIFY upDirPossibleChanged)

public:
    // The I/O board's boot-loader request: value 3 into holding register 12.
    static constexpr int kIoBoardSlave = 1;
    static constexpr int kRegBootloadMode = 12;
    static constexpr quint16 kBootloadModeRequest = 3;
    // Bytes taken from the update socket per read.
    static constexpr int kSocketReadChunk = 64;

    explicit UpdateManager(QModbusMaster *modbus, QObject *parent = nullptr);
    ~UpdateManager() override;

    // Where the browser starts and the archive search looks (platform path).
    static QString firmwareFolder();
    // The name an external updater connects to with its log.
    static QString updateSocketName();

    bool get_updateFound() const { return m_updateFound; }
    QString get_updateFilename() const { return m_updateFilename; }
    QString get_updateLogText() const { return m_updateLogText; }
    QString get_fwDir() const { return m_fwDir; }
    bool get_upDirPossible() const { return m_upDirPossible; }

    QFileSystemModel *fileModel() const { return m_fileModel; }

signals:
    void initializedSignal();
    void disableSignal();
    void enableSignal();

    void updateFoundChanged(bool value);
    void updateFilenameChanged(QString value);
    void updateLogTextChanged(QString value);
    void fwDirChanged(QString value);
    void upDirPossibleChanged(bool value);

public slots:
    void set_updateFound(bool value);
    void set_updateFilename(const QString &value);
    void set_updateLogText(const QString &value);
    void set_fwDir(const QString &value);
    void set_upDirPossible(bool value);

    void pushPath(QModelIndex index);
    QModelIndex upPath();
    QModelIndex getInitialPathIdx();
    void sortFileModel(QString path);
    void getPhuFwDirList();
    void readUpdateFile(QString fileName);
    void updateSocketNewConnection();
    void readUpdateSocket(int socket);
    void requestMasterIoBootloadMode();
    // This loader only prepares an update: sending the file in segments is
    // the update utility's job, so these two stay empty.
    void processReadDirectory() {}
    void installUpdate() {}

    void initState_onEntry() {}
    void initState_onExit() {}
    void enabledState_onEntry() {}
    void enabledState_onExit() {}
    void modbusOffConfirmState_onEntry() {}
    void modbusOffConfirmState_onExit() {}
    void requestBootloadState_onEntry() { requestMasterIoBootloadMode(); }
    void requestBootloadState_onExit() {}
    void sendFileState_onEntry() {}
    void sendFileState_onExit() {}
    void sendSegmentState_onEntry() {}
    void sendSegmentState_onExit() {}
    void packetSentState_onEntry() {}
    void packetSentState_onExit() {}
    void finishedState_onEntry() {}
    void finishedState_onExit() {}
    void disabledState_onEntry() {}
    void disabledState_onExit() {}
    void overrideState_onEntry() {}
    void overrideState_onExit() {}
    void fatalErrorState_onEntry() {}
    void fatalErrorState_onExit() {}

private:
    void buildMachine();
    void afterPathChange();

    bool m_updateFound = false;
    QString m_updateFilename;
    QString m_updateLogText;
    QString m_fwDir;
    bool m_upDirPossible = false;

    QFileSystemModel *m_fileModel;
    QVector<QString> m_pathStack;
    QLocalServer *m_server;
    QPointer<QLocalSocket> m_socket;
    QModbusMaster *m_modbus;
    QModbusPollInfo *m_bootloadModePollInfo;
};
