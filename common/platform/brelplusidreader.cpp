#include "brelplusidreader.h"

#include "kivroot.h"

#include <QDebug>
#include <QFile>

namespace {
const char sourceFile[] = "brelplusidreader.cpp";
}

BrelPlusIDReader::BrelPlusIDReader(QObject *parent)
    : BrelPlusIDReader(ZeroIds, parent)
{
}

BrelPlusIDReader::BrelPlusIDReader(IdSource source, QObject *parent)
    : QObject(parent)
{
    if (source != GpioPins)
        return;
    const int displayId = readPins(displayIdPins());
    qDebug().nospace() << "BREL display id = " << displayId;
    set_displayId(displayId);
    const int orientationId = readPins(orientationIdPins());
    qDebug().nospace() << "BREL orientation id = " << orientationId;
    set_orientationId(orientationId);
}

QList<int> BrelPlusIDReader::displayIdPins()
{
    return {22, 23, 26, 27};
}

QList<int> BrelPlusIDReader::orientationIdPins()
{
    return {44, 45, 46, 47, 63, 62};
}

QString BrelPlusIDReader::pinValuePath(int pin)
{
    return QStringLiteral("/sys/class/gpio/gpio%1/value").arg(pin);
}

bool BrelPlusIDReader::pinActive(const QByteArray &content)
{
    const QList<QByteArray> words = content.simplified().split(' ');
    bool ok = false;
    const int value = words.value(0).toInt(&ok, 10);
    return ok && value < 1;
}

int BrelPlusIDReader::readPins(const QList<int> &pins)
{
    quint8 id = 0;
    for (int bit = 0; bit < pins.size() && bit < 8; ++bit) {
        const QString path = pinValuePath(pins.at(bit));
        QFile file(KivRoot::path(path));
        if (!file.exists()) {
            qDebug().noquote().nospace() << sourceFile << " - file: " << path << " doesn't exist!";
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            qDebug().noquote().nospace() << sourceFile << "- couldn't open file: " << path;
            continue;
        }
        // A value file holds one short word; read no more than a line of it.
        const QByteArray content = file.read(64);
        qDebug().noquote().nospace() << "Gpio " << path << " says: " << content.simplified().split(' ').value(0);
        if (pinActive(content))
            id |= quint8(1u << bit);
    }
    return id;
}

void BrelPlusIDReader::set_displayId(int id)
{
    m_displayId = id;
    emit displayIdChanged(id);
}

void BrelPlusIDReader::set_orientationId(int id)
{
    m_orientationId = id;
    emit orientationIdChanged(id);
}
