#include "screenshots.h"

#include <QColor>
#include <QDir>
#include <QPixmap>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>

Screenshots::Screenshots(const QString &directory, QObject *parent)
    : QObject(parent)
    , m_directory(directory)
{
}

QString Screenshots::save(QQuickItem *item, const QString &name)
{
    QQuickWindow *window = item ? item->window() : nullptr;
    if (!window)
        return QString();
    QImage image = window->grabWindow();
    // The software renderer cannot read back the offscreen platform's
    // backing store; the platform's own screen grab can.
    if (image.isNull())
        image = window->screen()->grabWindow(window->winId()).toImage();
    if (image.isNull())
        return QString();
    QDir().mkpath(m_directory);
    const QString path = m_directory + QLatin1Char('/') + name + QStringLiteral(".png");
    m_last = image;
    return image.save(path) ? path : QString();
}

QString Screenshots::pixel(int x, int y) const
{
    if (!m_last.valid(x, y))
        return QString();
    return QColor(m_last.pixel(x, y)).name();
}
