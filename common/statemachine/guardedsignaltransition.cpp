#include "guardedsignaltransition.h"

#include <QMetaMethod>

GuardedSignalTransition::GuardedSignalTransition(const QObject *sender, const char *signal,
                                                 QObject *guardObject, const char *guardMethodName)
    : QSignalTransition(sender, signal)
    , m_guardObject(guardObject)
    , m_guardMethodName(guardMethodName)
{
}

GuardedSignalTransition::~GuardedSignalTransition() = default;

QString GuardedSignalTransition::guardMethodName() const
{
    return m_guardMethodName ? QString::fromLatin1(m_guardMethodName) : QString();
}

bool GuardedSignalTransition::eventTest(QEvent *event)
{
    if (!QSignalTransition::eventTest(event))
        return false;
    if (!m_guardObject)
        return true;

    // Resolve once: a guard that does not exist, or is not a bool(void)
    // method, silently keeps the transition from firing.
    if (m_guardIndex == -2) {
        m_guardIndex = -1;
        if (m_guardMethodName) {
            const QByteArray signature = QByteArray(m_guardMethodName) + "()";
            const int index = m_guardObject->metaObject()->indexOfMethod(signature.constData());
            if (index >= 0 && m_guardObject->metaObject()->method(index).returnType() == QMetaType::Bool)
                m_guardIndex = index;
        }
    }
    if (m_guardIndex < 0)
        return false;

    bool result = false;
    m_guardObject->metaObject()->method(m_guardIndex)
        .invoke(m_guardObject, Qt::DirectConnection, Q_RETURN_ARG(bool, result));
    return result;
}
