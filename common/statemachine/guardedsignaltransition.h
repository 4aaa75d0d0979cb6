#pragma once

#include <QSignalTransition>

// A signal transition that fires only when a named boolean method of a guard
// object returns true. The method is looked up by name through the
// meta-object system, so guards are ordinary slots or invokables of the
// manager. Deliberately no Q_OBJECT: the tracer sees it as a plain
// QSignalTransition.
class GuardedSignalTransition : public QSignalTransition
{
public:
    // guardMethodName must outlive the transition (a string literal): only
    // the pointer is kept.
    GuardedSignalTransition(const QObject *sender, const char *signal,
                            QObject *guardObject, const char *guardMethodName);
    ~GuardedSignalTransition() override;

    QObject *guardObject() const { return m_guardObject; }
    QString guardMethodName() const;

protected:
    bool eventTest(QEvent *event) override;

private:
    QObject *m_guardObject;
    const char *m_guardMethodName;
    int m_guardIndex = -2; // -2: not looked up yet, -1: no such guard
};
