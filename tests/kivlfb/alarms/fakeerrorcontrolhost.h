#pragma once

#include "alarms/errorcontrolhost.h"

#include <QCoreApplication>
#include <QList>
#include <QMutex>
#include <QThread>

using Codes = QList<int>;

// The cabinet side with any role. It records every CAN message it is asked
// to send and whether the request came on the main thread.
class FakeErrorControlHost : public ErrorControlHost
{
public:
    struct Sent {
        int messageId;
        Codes codes;
        bool onMainThread;
    };

    int role = PrimaryRole;
    bool master = true;
    bool mirror = false;
    bool secondary = false;
    int zones = 4;
    QString serial = QStringLiteral("SN1");

    int uiRole() const override { return role; }
    bool iAmMaster() const override { return master; }
    bool hasMirrorDisplay() const override { return mirror; }
    bool hasSecondaryDisplay() const override { return secondary; }
    int numberOfZones() const override { return zones; }
    QString serialNumber() const override { return serial; }
    void sendErrorInfo(int a, int b, int c, int d) override { record(49, {a, b, c, d}); }
    void sendErrorClearInfo(int a, int b, int c, int d) override { record(62, {a, b, c, d}); }
    void sendClearAllErrorInfo() override { record(50, {}); }

    QList<Sent> sent() const
    {
        QMutexLocker lock(&m_mutex);
        return m_sent;
    }

private:
    void record(int id, const Codes &codes)
    {
        QMutexLocker lock(&m_mutex);
        m_sent.append({id, codes, QThread::currentThread() == qApp->thread()});
    }

    mutable QMutex m_mutex;
    QList<Sent> m_sent;
};
