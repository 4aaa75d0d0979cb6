#include "privatebus.h"

#include <QFile>

PrivateBus::~PrivateBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000))
            m_daemon.kill();
        m_daemon.waitForFinished(1000);
    }
}

bool PrivateBus::start()
{
    if (!m_dir.isValid())
        return false;
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig>\n"
            "  <type>custom</type>\n"
            "  <listen>unix:path=" + m_dir.filePath(QStringLiteral("bus")).toUtf8() + "</listen>\n"
            "  <auth>EXTERNAL</auth>\n"
            "  <policy context=\"default\">\n"
            "    <allow user=\"*\"/>\n"
            "    <allow own=\"*\"/>\n"
            "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
            "    <allow receive_sender=\"*\"/>\n"
            "    <allow eavesdrop=\"true\"/>\n"
            "  </policy>\n"
            "</busconfig>\n");
    f.close();

    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        return false;
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(5000))
            return false;
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty())
        return false;
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
    return true;
}
