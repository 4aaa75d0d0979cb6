// A second display in its own process for the two-process tests: it joins
// the virtual bus named by KIV_VCAN_DIR as sender id 2, answers a roll call
// (single message 18) with message 19 and its orientation id 7, sends every
// multi-packet message it receives back reversed under the same id, and
// answers a file transfer with message 20 holding the file's size and
// CRC-32 (both big-endian). It exits 0 once that reply has gone out, 3 when
// a file transfer failed, 2 if nothing came in time.
#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "cantestnode.h"
#include "crc/crc32.h"

#include <QCoreApplication>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CanTestNode node(2);
    CanbusManager *cbm = node.manager();
    quint32 reply = 0;

    QObject::connect(cbm, static_cast<void (CanbusManager::*)(QByteArray)>(
                              &CanbusManager::receivedSinglePacket),
                     [&node](const QByteArray &msg) {
                         if (quint8(msg.at(0)) == CanbusManager::KIVMSGSINGLE_ROLLCALL_REQUEST)
                             node.sendSingle(QByteArray("\x13\x07", 2));
                     });
    QObject::connect(cbm, static_cast<void (CanbusManager::*)(int, QByteArray)>(
                              &CanbusManager::receivedMpm),
                     [&node, &reply](int id, QByteArray data) {
                         std::reverse(data.begin(), data.end());
                         node.sendMulti(id, data);
                         reply = CanSendRequest::requestId;
                     });
    QObject::connect(cbm, &CanbusManager::receivedFileMpm, [&node, &reply, cbm](int id) {
        const QByteArray file = cbm->getMpm(id);
        QByteArray sizeAndCrc(8, '\0');
        qToBigEndian(quint32(file.size()), sizeAndCrc.data());
        qToBigEndian(Crc32::update(0, file.constData(), file.size()), sizeAndCrc.data() + 4);
        node.sendMulti(CanbusManager::KIV_MULTI_OBJ_PROPERTY, sizeAndCrc);
        reply = CanSendRequest::requestId;
    });
    QObject::connect(cbm, &CanbusManager::receivedFileFailedMpm, [] { QCoreApplication::exit(3); });
    QObject::connect(cbm, &CanbusManager::requestServed, [&reply](quint32 served) {
        // Served means the sending state is left, which for a multi-packet
        // message is before its end frame is written: give the machine the
        // time it allows itself for that frame before quitting.
        if (reply != 0 && served == reply)
            QTimer::singleShot(CanbusManager::LockupMs, [] { QCoreApplication::exit(0); });
    });
    QTimer::singleShot(120000, [] { QCoreApplication::exit(2); });

    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
