#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class QQuickItem;

// Lets QML tests save what a window shows, for a person to look at, and read
// back pixels of the last picture. QML sees it as "screenshots".
class Screenshots : public QObject
{
    Q_OBJECT

public:
    Screenshots(const QString &directory, QObject *parent);

    // Saves the window that shows `item` as <name>.png and returns the
    // file's path, or an empty text when nothing could be grabbed.
    Q_INVOKABLE QString save(QQuickItem *item, const QString &name);
    // The colour of the last saved screenshot at a window position.
    Q_INVOKABLE QString pixel(int x, int y) const;

private:
    QString m_directory;
    QImage m_last;
};
