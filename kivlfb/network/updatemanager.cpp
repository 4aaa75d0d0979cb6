#include "updatemanager.h"

#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "platform/kivroot.h"
#include "property/assignifchanged.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr quint8 kBootloadRetries = 3;

} // namespace

UpdateManager::UpdateManager(QModbusMaster *modbus, QObject *parent)
    : TarnStateMachine(parent)
    , m_fileModel(new QFileSystemModel(this))
    , m_server(new QLocalServer(this))
    , m_modbus(modbus)
    , m_bootloadModePollInfo(new QModbusPollInfo(1, this))
{
    m_bootloadModePollInfo->setObjectName(QStringLiteral("bootloadModePollInfo"));

    m_fileModel->setFilter(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString root = QDir::cleanPath(KivRoot::path(firmwareFolder()));
    m_fileModel->setRootPath(root);
    m_pathStack.append(root);
    m_fwDir = root;
    connect(m_fileModel, &QFileSystemModel::directoryLoaded, this, &UpdateManager::sortFileModel);

    connect(m_server, &QLocalServer::newConnection, this, &UpdateManager::updateSocketNewConnection);
    const QString socketName = updateSocketName();
    QDir().mkpath(QFileInfo(socketName).absolutePath());
    QLocalServer::removeServer(socketName);
    if (!m_server->listen(socketName))
        qDebug().noquote() << "Update socket not listening:" << m_server->errorString();

    buildMachine();
}

UpdateManager::~UpdateManager()
{
    m_server->close();
}

QString UpdateManager::firmwareFolder()
{
    return QStringLiteral("/root/") + QStringLiteral("phufw/");
}

QString UpdateManager::updateSocketName()
{
    return KivRoot::path(QStringLiteral("/tmp/kivUpdateLog"));
}

// The chart as far as it is built: the transfer states have no transitions
// of their own yet.
void UpdateManager::buildMachine()
{
    const StateMachineBuilder b(this);
    QState *initState = b.state(this, "initState");
    QState *enabledState = b.state(this, "enabledState");
    b.state(enabledState, "modbusOffConfirmState");
    b.state(enabledState, "requestBootloadState");
    QState *sendFileState = b.state(enabledState, "sendFileState");
    b.state(sendFileState, "sendSegmentState");
    b.state(sendFileState, "packetSentState");
    b.state(enabledState, "finishedState");
    QState *disabledState = b.state(this, "disabledState");
    b.state(this, "overrideState");
    b.state(this, "fatalErrorState");

    b.transition(initState, disabledState, "t_initialized", QStringLiteral("this"), this,
                 SIGNAL(initializedSignal()));
    b.transition(enabledState, disabledState, "t_disable", QStringLiteral("this"), this,
                 SIGNAL(disableSignal()));
    b.transition(disabledState, enabledState, "t_enable", QStringLiteral("this"), this,
                 SIGNAL(enableSignal()));
    setInitialState(initState);
}

void UpdateManager::set_updateFound(bool value)
{
    if (assignIfChanged(m_updateFound, value))
        emit updateFoundChanged(m_updateFound);
}

void UpdateManager::set_updateFilename(const QString &value)
{
    if (assignIfChanged(m_updateFilename, value))
        emit updateFilenameChanged(m_updateFilename);
}

void UpdateManager::set_updateLogText(const QString &value)
{
    if (assignIfChanged(m_updateLogText, value))
        emit updateLogTextChanged(m_updateLogText);
}

void UpdateManager::set_fwDir(const QString &value)
{
    if (assignIfChanged(m_fwDir, value))
        emit fwDirChanged(m_fwDir);
}

void UpdateManager::set_upDirPossible(bool value)
{
    if (assignIfChanged(m_upDirPossible, value))
        emit upDirPossibleChanged(m_upDirPossible);
}

void UpdateManager::pushPath(QModelIndex index)
{
    const QString path = m_fileModel->filePath(index);
    qDebug().noquote() << "Push Path, stack count: " + QString::number(m_pathStack.size())
                              + ", pushing update path: " + path;
    m_pathStack.append(path);
    afterPathChange();
}

QModelIndex UpdateManager::upPath()
{
    qDebug().noquote() << "UP path, stack count: " + QString::number(m_pathStack.size());
    if (m_pathStack.size() > 1)
        m_pathStack.removeLast();
    afterPathChange();
    return m_fileModel->index(m_pathStack.last());
}

void UpdateManager::afterPathChange()
{
    set_fwDir(m_pathStack.last());
    set_upDirPossible(m_pathStack.size() > 1);
}

QModelIndex UpdateManager::getInitialPathIdx()
{
    return m_fileModel->index(m_pathStack.first(), 0);
}

void UpdateManager::sortFileModel(QString)
{
    m_fileModel->sort(0);
    qDebug().noquote() << "Directory sorted";
}

// The update archive is the first ".tar.gz" of the "kivupdate" folder of the
// firmware folder, named relative to the firmware folder.
void UpdateManager::getPhuFwDirList()
{
    const QString subFolder = QStringLiteral("kivupdate/");
    const QDir dir(KivRoot::path(firmwareFolder() + subFolder));
    const QStringList files = dir.entryList({QStringLiteral("*.tar.gz")},
                                            QDir::Files | QDir::NoSymLinks | QDir::CaseSensitive,
                                            QDir::Name);
    qDebug().noquote() << "files in /media/sda1" << files;
    if (files.isEmpty()) {
        qDebug().noquote() << "No update file found: ";
        set_updateFound(false);
        set_updateFilename(QString());
        return;
    }
    const QString name = subFolder + files.first();
    qDebug().noquote() << "Found update file: " + name;
    set_updateFound(true);
    set_updateFilename(name);
}

void UpdateManager::readUpdateFile(QString fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Unable to open update file for reading: " + fileName;
        return;
    }
    // Read to prove the file readable; the update utility sends it.
    file.readAll();
    file.close();
}

void UpdateManager::updateSocketNewConnection()
{
    QLocalSocket *socket = m_server->nextPendingConnection();
    if (!socket)
        return;
    if (m_socket)
        m_socket->deleteLater();
    m_socket = socket;
    connect(socket, &QLocalSocket::readyRead, this,
            [this, socket] { readUpdateSocket(int(socket->socketDescriptor())); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (socket->bytesAvailable() > 0)
        readUpdateSocket(int(socket->socketDescriptor()));
}

void UpdateManager::readUpdateSocket(int)
{
    if (!m_socket)
        return;
    QByteArray buffer;
    char chunk[kSocketReadChunk];
    qint64 n;
    while ((n = m_socket->read(chunk, sizeof chunk)) > 0)
        buffer.append(chunk, int(n));
    if (buffer.isEmpty())
        return;
    const QString text = QString::fromUtf8(buffer);
    set_updateLogText(m_updateLogText + text);
    qDebug().noquote() << text;
}

void UpdateManager::requestMasterIoBootloadMode()
{
    if (!m_modbus)
        return;
    m_bootloadModePollInfo->values()[0] = kBootloadModeRequest;
    m_modbus->holdingRegistersWrite(kIoBoardSlave, kRegBootloadMode, 1, kBootloadRetries,
                                    m_bootloadModePollInfo);
}
