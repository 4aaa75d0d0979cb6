#include "updaterstartup.h"

#include "updater.h"

#include "canbus/canbusmanager.h"
#include "canbus/canthread.h"
#include "modbus/modbusserialport.h"
#include "modbus/qmodbusmaster.h"
#include "platform/kivroot.h"
#include "statemachine/statetracer.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSerialPort>
#include <QStateMachine>
#include <QThread>

const char UpdaterStartup::kMainQml[] = "qrc:///files/qml/tarn_updater/main.qml";

namespace {

void checkSetting(QSerialPort *port, bool ok, const char *setting)
{
    if (ok)
        return;
    qDebug().nospace().noquote() << "Serial port " << port->portName() << ": " << setting
                                 << " not applied (" << port->errorString() << ")";
    port->clearError();
}

// A key counts as missing when it is absent or null.
bool readKey(const QJsonObject &personality, const char *key, QJsonValue *value)
{
    *value = personality.value(QLatin1String(key));
    if (value->isUndefined() || value->isNull()) {
        qDebug().noquote() << QLatin1String(key) + QLatin1String(" value not found!!!");
        return false;
    }
    return true;
}

} // namespace

UpdaterStartup::UpdaterStartup(const QStringList &arguments, QObject *owner)
    : m_options(UpdateUtilOptions::parse(arguments))
{
    Q_INIT_RESOURCE(updaterqml);
    qDebug() << "Font set to: " << QGuiApplication::font().family();

    if (m_options.hasTargetPath)
        qDebug().noquote() << "Target Path = " + m_options.targetPath;
    m_portrait = m_options.portraitPreset;

    // The thread object is never started: CAN runs in this thread.
    m_canThread.reset(new CanThread(nullptr, CanFrameForm::ByteArray));
    m_canbusManager = new CanbusManager(m_canThread.get(), nullptr);
    m_canbusManager->setObjectName(QStringLiteral("cbm"));
    m_canbusManager->setParent(owner);

    m_engine.reset(new QQmlApplicationEngine);

    // KIV_SERIAL_PORT stands in for the line where no "-sp" names one.
    const QString device = m_options.hasSerialPort ? m_options.serialPort
                                                   : ModbusSerialPort::portName();
    if (m_options.hasSerialPort)
        qDebug().noquote() << "Cmd line specified serial port: " + device;
    m_serialPort.reset(new QSerialPort(device));
    m_serialPort->setObjectName(QStringLiteral("SerialPort"));
    openSerialPort(m_serialPort.get());

    m_updater = new Updater(m_serialPort.get(), m_canbusManager, m_options.connectorId, owner);
    m_updater->setObjectName(QStringLiteral("upd"));
    m_updater->set_TargetPath(m_options.targetPath);
    if (auto *app = QCoreApplication::instance(); app && owner == app)
        QObject::connect(m_updater, &Updater::quit, app, &QCoreApplication::quit);
    m_updater->set_cloudUpdate(m_options.cloud);

    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("upd"), m_updater);
    context->setContextProperty(QStringLiteral("cbm"), m_canbusManager);

    bool slaveUiNeeded = false;
    int nfcBoardCount = 0;
    readFileIdDisplayOrientation(m_portrait, m_verticalFlip, slaveUiNeeded, nfcBoardCount);
    m_updater->set_slaveUiNeeded(slaveUiNeeded);
    m_updater->set_nfcBoardCount(nfcBoardCount);

    if (m_options.portrait)
        m_portrait = true;
    if (m_options.landscape)
        m_portrait = false;

    m_updater->set_autoInstall(m_options.autoInstall);

    if (m_options.hasScale)
        qDebug().noquote() << " scale is " + m_options.scale;
    QThread::currentThread()->setPriority(QThread::TimeCriticalPriority);

    context->setContextProperty(QStringLiteral("uiscalingX"), double(m_options.scaleX));
    context->setContextProperty(QStringLiteral("uiscalingY"), double(m_options.scaleY));
    context->setContextProperty(QStringLiteral("appPortraitFlag"), m_portrait);
    context->setContextProperty(QStringLiteral("appVerticalFlip"), m_verticalFlip);
    m_engine->load(QUrl(QLatin1String(kMainQml)));
    if (m_engine->rootObjects().isEmpty())
        qWarning() << "Main screen not loaded:" << kMainQml;

    if (m_options.hasTrace)
        findMachinesToTrace(owner);
}

UpdaterStartup::~UpdaterStartup()
{
    // The tracers watch the machines below. The screens go next: they hold
    // bindings to the objects below; the Modbus master goes before the line
    // it uses.
    qDeleteAll(m_tracers);
    m_engine.reset();
    if (m_updater)
        delete m_updater->modbusMaster();
    delete m_updater;
    delete m_canbusManager;
}

Updater *UpdaterStartup::updater() const
{
    return m_updater;
}

CanbusManager *UpdaterStartup::canbusManager() const
{
    return m_canbusManager;
}

void UpdaterStartup::startMachines()
{
    m_updater->start();
    m_canbusManager->start();
}

// 115200 baud 8N1, no flow control, RTS and DTR off. A line that does not
// open is not reported further: the firmware steps then get no replies.
void UpdaterStartup::openSerialPort(QSerialPort *port)
{
    if (!port->open(QIODevice::ReadWrite)) {
        qDebug().nospace().noquote() << "Serial port " << port->portName()
                                     << " not opened: " << port->errorString();
        port->clearError();
    }
    checkSetting(port, port->setBaudRate(QSerialPort::Baud115200), "baud rate 115200");
    checkSetting(port, port->setParity(QSerialPort::NoParity), "no parity");
    checkSetting(port, port->setDataBits(QSerialPort::Data8), "8 data bits");
    checkSetting(port, port->setStopBits(QSerialPort::OneStop), "1 stop bit");
    checkSetting(port, port->setFlowControl(QSerialPort::NoFlowControl), "no flow control");
    if (port->isOpen()) {
        checkSetting(port, port->setRequestToSend(false), "RTS off");
        checkSetting(port, port->setDataTerminalReady(false), "DTR off");
        port->setTextModeEnabled(false);
        // Whatever the line held before we came is not a reply to us.
        port->readAll();
    }
}

void UpdaterStartup::readFileIdDisplayOrientation(bool &portrait, bool &verticalFlip,
                                                  bool &slaveUiNeeded, int &nfcBoardCount)
{
    const QString folder = KivRoot::appDir();
    QDirIterator it(folder, {QStringLiteral("*.hcc")}, QDir::Files);
    qDebug() << "get file name from:" << QDir(folder).absolutePath();
    if (!it.hasNext()) {
        qDebug() << "CFG file not found!!!";
        return;
    }
    it.next();
    const QString path = folder + it.fileName();
    qDebug() << "File name is :" << path;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Unable to Open File !!!" << path;
        return;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        qDebug() << "JSON parse error!!!" << error.error;
        return;
    }
    const QJsonObject personality = doc.object().value(QLatin1String("personality")).toObject();

    QJsonValue value;
    if (readKey(personality, "orientationPortrait", &value))
        portrait = value.toBool();
    if (readKey(personality, "verticalFlip", &value))
        verticalFlip = value.toBool();
    const bool hasMirror = readKey(personality, "hasMirrorDisplay", &value) && value.toBool();
    const bool hasSecondary = readKey(personality, "hasSecondaryDisplay", &value) && value.toBool();
    const bool nfcEnabled = readKey(personality, "nfcEnabled", &value) && value.toBool();
    if (nfcEnabled && readKey(personality, "traysPerCabinet", &value))
        nfcBoardCount = value.toDouble() <= 12 ? 1 : 2;

    if (hasMirror || hasSecondary)
        slaveUiNeeded = true;
}

void UpdaterStartup::findMachinesToTrace(QObject *owner)
{
    qDebug() << "objects to trace: " << m_options.traceNames;
    m_tracedMachines = StateTracer::findMachines(owner, m_options.traceNames);
    for (QStateMachine *machine : qAsConst(m_tracedMachines))
        m_tracers << StateTracer::traceMachine(machine, StateTracer::Form::UpdateUtility);
}
