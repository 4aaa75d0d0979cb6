#include "qsocketcan.h"

#include "socketcanbackend.h"
#include "virtualcanbackend.h"

#include <QDebug>
#include <QSocketNotifier>

#include <memory>
#include <utility>

namespace {

// The record of a payload handed over by pointer, which is freed here;
// empty when there is no payload or it is longer than 8 bytes.
QByteArray takeRecord(uint id, QByteArray *data)
{
    const std::unique_ptr<QByteArray> owned(data);
    return owned ? CanFrame::toRecord(id, *owned) : QByteArray();
}

} // namespace

QSocketCAN::QSocketCAN(QObject *parent, CanFrameForm form)
    : QObject(parent)
    , m_frameForm(form)
{
    connect(this, SIGNAL(canSocketRcvdByteArray(QByteArray)), this,
            SLOT(baToRcvdCanFrame(QByteArray)));
    // A zero timer rather than a posted call or the write notifier: arming
    // it needs no system call, which matters at one frame per pass.
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(0);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] {
        if (m_writeNotifier && !m_writeNotifier->isEnabled())
            writeQueued(m_backend->descriptor());
    });
}

QSocketCAN::~QSocketCAN()
{
    closeSocket();
}

void QSocketCAN::set_portName(const QString &name)
{
    m_portName = name;
    emit portNameChanged(m_portName);
}

QString QSocketCAN::backendKind() const
{
    return m_backend ? m_backend->kind() : QString();
}

void QSocketCAN::closeSocket()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    m_flushTimer.stop();
    m_sendQueue.clear();
    m_readyWritesDue = 0;
    m_backend.reset();
}

int QSocketCAN::open(QString interfaceName)
{
    closeSocket();
    m_portName = interfaceName;

    const QString choice = qEnvironmentVariable("KIV_CAN");
    int result = -1;
    if (choice == QLatin1String("socketcan")) {
        result = openBackend(new SocketCanBackend, interfaceName);
    } else if (choice == QLatin1String("virtual")) {
        result = openBackend(new VirtualCanBackend, interfaceName);
    } else {
        if (!choice.isEmpty())
            qWarning() << "KIV_CAN:" << choice << "is neither virtual nor socketcan; choosing by kernel";
        result = openBackend(new SocketCanBackend, interfaceName);
        if (result != 0)
            result = openBackend(new VirtualCanBackend, interfaceName);
    }
    if (result != 0) {
        m_backend.reset();
        return result;
    }
    if (auto *vcan = dynamic_cast<VirtualCanBackend *>(m_backend.get()))
        qDebug() << "CAN" << interfaceName << "on the virtual bus" << vcan->directory();
    result = watch();
    if (result == 0 && m_frameForm == CanFrameForm::ByteArray)
        qDebug("QSocketCAN: apparently OK!");
    return result;
}

// The byte-array form narrates each step of the open, as the update utility
// has always logged it.
int QSocketCAN::openBackend(CanBackend *backend, const QString &interfaceName)
{
    m_backend.reset(backend);
    const int result = m_backend->open(interfaceName);
    if (m_frameForm != CanFrameForm::ByteArray)
        return result;
    if (result == -1) {
        qDebug("QSocketCAN: Error while opening socket");
        return result;
    }
    if (auto *socketCan = dynamic_cast<SocketCanBackend *>(backend))
        qDebug("QSocketCAN: %s at index %d\n", qPrintable(interfaceName),
               socketCan->interfaceIndex());
    if (result == -2)
        qDebug("QSocketCAN: Error in socket bind");
    return result;
}

int QSocketCAN::watch()
{
    const int fd = m_backend->descriptor();
    if (fd < 0)
        return -3;
    m_readNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_readNotifier, SIGNAL(activated(int)), this, SLOT(readMsgFromSocket(int)),
            Qt::DirectConnection);

    m_writeNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    connect(m_writeNotifier, SIGNAL(activated(int)), this, SLOT(writeWrapUp(int)),
            Qt::DirectConnection);
    m_writeNotifier->setEnabled(false);
    return 0;
}

int QSocketCAN::sendMsg(uint id, QByteArray *data)
{
    const QByteArray record = takeRecord(id, data);
    if (record.isEmpty())
        return 0;

    const int written = m_backend ? int(m_backend->writeRecord(record)) : -1;
    if (written == CanFrame::RecordSize)
        emit readyWrite(0);
    else
        reportWhenWritable();
    return written;
}

int QSocketCAN::sendMsg(uint id, QByteArray data)
{
    const QByteArray record = CanFrame::toRecord(id, data);
    if (record.isEmpty())
        return 0;
    if (!m_backend)
        return -1;
    const int written = int(m_backend->writeRecord(record));
    reportWhenWritable();
    return written;
}

int QSocketCAN::queueMsg(uint id, QByteArray *data)
{
    const QByteArray record = takeRecord(id, data);
    if (record.isEmpty())
        return 0;
    // A socket that never opened writes nothing, now or later.
    if (!m_writeNotifier)
        return -1;
    m_sendQueue.append(record);
    // While the write notifier waits for the socket, it writes the queue.
    if (!m_writeNotifier->isEnabled() && !m_flushTimer.isActive())
        m_flushTimer.start();
    return CanFrame::RecordSize;
}

void QSocketCAN::reportWhenWritable()
{
    if (!m_writeNotifier)
        return;
    ++m_readyWritesDue;
    m_writeNotifier->setEnabled(true);
}

void QSocketCAN::readMsgFromSocket(int theSocket)
{
    if (!m_backend || theSocket != m_backend->descriptor())
        return;
    constexpr int Batch = 64;
    char records[Batch * CanFrame::RecordSize];
    int count = 0;
    do {
        count = m_backend->readRecords(records, Batch);
        for (int i = 0; i < count; ++i) {
            const QByteArray record =
                QByteArray::fromRawData(records + i * CanFrame::RecordSize, CanFrame::RecordSize);
            if (m_frameForm == CanFrameForm::ByteArray) {
                emit msgData(CanFrame::arrayFormFromRecord(record));
                continue;
            }
            auto *frame = new CanFrame;
            CanFrame::fromRecord(record, frame);
            emit rcvdCanFrame(frame);
        }
    } while (count == Batch);
}

// Writes the queue, one readyWrite per frame; frames queued from a
// readyWrite handler go out in the same pass. A failed write loses its frame
// and leaves the rest queued until the socket is writable again.
void QSocketCAN::writeQueued(int theSocket)
{
    while (!m_sendQueue.isEmpty()) {
        const QByteArray record = m_sendQueue.takeFirst();
        if (m_backend->writeRecord(record) != CanFrame::RecordSize) {
            reportWhenWritable();
            return;
        }
        emit readyWrite(theSocket);
    }
}

// The socket is writable again: report the writes that waited for it, then
// write what was queued meanwhile.
void QSocketCAN::writeWrapUp(int theSocket)
{
    if (!m_writeNotifier)
        return;
    m_writeNotifier->setEnabled(false);
    for (int due = std::exchange(m_readyWritesDue, 0); due > 0; --due)
        emit readyWrite(theSocket);
    writeQueued(theSocket);
}

void QSocketCAN::baToRcvdCanFrame(QByteArray bytes)
{
    emit rcvdCanFrame(new CanFrame(CanFrame::fromArrayForm(bytes)));
}
