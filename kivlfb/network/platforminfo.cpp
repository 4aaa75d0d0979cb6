#include "platforminfo.h"

#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "property/assignifchanged.h"

#include <QDebug>
#include <QDir>
#include <QFile>

PlatformInfo::PlatformInfo(QObject *parent)
    : QObject(parent)
{
}

void PlatformInfo::set_osKernel(const QString &value)
{
    if (assignIfChanged(m_osKernel, value))
        emit osKernelChanged(m_osKernel);
}

void PlatformInfo::set_bspInfo(const QString &value)
{
    if (assignIfChanged(m_bspInfo, value))
        emit bspInfoChanged(m_bspInfo);
}

namespace {

constexpr int kKernelQueryTimeoutMs = 30000;

// The dialog shows these texts as rich text: one HTML break per line.
QString htmlLines(const QString &text)
{
    QString lines = text;
    return lines.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

} // namespace

void PlatformInfo::getOsKernelInformation()
{
    // A query that does not start or does not end in time leaves whatever
    // it printed (possibly nothing).
    QByteArray output;
    ToolRunner::run(QStringLiteral("/bin/uname"), {QStringLiteral("-a")}, &output,
                    kKernelQueryTimeoutMs);
    set_osKernel(htmlLines(QString::fromLocal8Bit(output)));
}

void PlatformInfo::getBSPverInformation()
{
    // The board-support package leaves its version in a file whose name
    // begins with "BSP" in the application directory; a newer package adds
    // a file that sorts after the older one.
    const QDir appDir(KivRoot::appDir());
    qDebug().noquote() << QStringLiteral("looking for BSP file in : %1").arg(appDir.absolutePath());

    QString fileName;
    const QStringList entries = appDir.entryList(QDir::NoFilter, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.startsWith(QLatin1String("BSP")))
            fileName = entry;
    }

    QFile file(appDir.filePath(fileName));
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug().noquote() << QStringLiteral("Unable to open file: %1").arg(fileName);
        return;
    }
    QByteArray content = file.readAll();
    const int nul = content.indexOf('\0');
    if (nul >= 0)
        content.truncate(nul);
    set_bspInfo(htmlLines(QString::fromUtf8(content)));
}
