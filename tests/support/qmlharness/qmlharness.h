#pragma once

#include <QObject>
#include <QPointer>

class QQmlEngine;

// Stands in for the cabinet behind the QML screens: every context object
// the composition root publishes is replaced by a small QML mock with the
// same properties, signals and invokables, and every invokable call is
// written to a shared call log ("callLog") that tests read. The enumeration
// types and the compiled screens are registered as in the program, so the
// screens load from "qrc:///qml/..." exactly as they do on the cabinet.
//
// QML sees the harness itself as "harness": harness.reset() publishes fresh
// mocks (each test starts from the defaults), harness.setScaling(x, y) sets
// the window's scale factors.
class QmlHarness : public QObject
{
    Q_OBJECT

public:
    explicit QmlHarness(QQmlEngine *engine);

    // Types and resources, once per process.
    static void registerTypes();

    Q_INVOKABLE bool reset();
    Q_INVOKABLE void setScaling(qreal x, qreal y);
    Q_INVOKABLE QObject *mock(const QString &name) const;
    // The object and every QObject below it: what a screen that is created
    // and released again must leave as it found it.
    Q_INVOKABLE int liveObjects(QObject *root) const;

private:
    QQmlEngine *m_engine;
    QPointer<QObject> m_mocks;
};

// The set-up object of Qt Quick Test executables: gives each test file's
// engine a harness, and "screenshots" (see Screenshots), which saves into
// the build's "screenshots" folder.
class QmlHarnessSetup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine);
};
