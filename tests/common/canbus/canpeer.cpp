// A second display in its own process for the two-process tests: it joins
// the virtual bus named by KIV_VCAN_DIR as sender id 2, answers a roll call
// (single message 18) with message 19 and its orientation id 7, and sends
// every multi-packet message it receives back reversed under the same id.
// It exits 0 once that reply has gone out, 2 if nothing came in time.
#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "cantestnode.h"

#include <QCoreApplication>
#include <QTimer>

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
    QObject::connect(cbm, &CanbusManager::requestServed, [&reply](quint32 served) {
        // Served means the sending state is left, which for a multi-packet
        // message is before its end frame is written: give the machine the
        // time it allows itself for that frame before quitting.
        if (reply != 0 && served == reply)
            QTimer::singleShot(CanbusManager::LockupMs, [] { QCoreApplication::exit(0); });
    });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(2); });

    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
