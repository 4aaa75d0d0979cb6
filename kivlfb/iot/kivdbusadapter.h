#pragma once

#include <QPointer>

#include <QDBusAbstractAdaptor>
#include <QString>

class QApplication;

// The controller's one interface on the system bus, attached to the
// application object. The IoT process hears the cabinet's events through
// it; the cabinet hears the IoT process's commands as signals under the same
// interface name and path.
class KivDbusAdapter : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.corvantis.DBus.KivApplication")
    Q_PROPERTY(QString firmwareVersion READ get_firmwareVersion WRITE set_firmwareVersion NOTIFY firmwareVersionChanged)

public:
    // The adaptor's parent is the application object it extends; cabinet is
    // the cabinet core, kept for the property and screenshot calls.
    KivDbusAdapter(QApplication *app, QObject *cabinet);

    QString get_firmwareVersion() const { return m_firmwareVersion; }
    QObject *cabinet() const { return m_cabinet; }
    // The adaptor lives as long as the application object; a cabinet core
    // built later in the same process takes it over.
    void setCabinet(QObject *cabinet) { m_cabinet = cabinet; }

signals:
    void firmwareVersionChanged(QString value);
    // Every outbound cloud event, as JSON text.
    void riotEvent(QString riotJsonString);
    void screenShotRequested();

public slots:
    void set_firmwareVersion(const QString &value);

private:
    QString m_firmwareVersion;
    QPointer<QObject> m_cabinet;
};
