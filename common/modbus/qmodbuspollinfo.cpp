#include "qmodbuspollinfo.h"

#include "property/assignifchanged.h"

#include <QtGlobal>

QModbusPollInfo::QModbusPollInfo(int numValues, QObject *parent)
    : QObject(parent)
    , m_values(qMax(numValues, 0), 0)
{
}

void QModbusPollInfo::set_state(int state)
{
    m_state = state;
    emit stateChanged(state);
}

void QModbusPollInfo::set_timeoutMs(int msec)
{
    const int clamped = qBound(kMinTimeoutMs, msec, kMaxTimeoutMs);
    if (clamped == m_timeoutMs)
        return;
    m_timeoutMs = clamped;
    emit timeoutMsChanged(clamped);
}

void QModbusPollInfo::setHighPriority(bool high)
{
    if (assignIfChanged(m_highPriority, high))
        emit highPriorityChanged(high);
}

void QModbusPollInfo::pollResolved(QModbusPollInfo::QModbusPollStateEnum theState)
{
    set_state(theState);
    switch (theState) {
    case QMBS_REQUEST_ISSUED:
        emit pollRequestIssued();
        break;
    case QMBS_REPLY_TIMEDOUT:
        emit pollReplyTimedOut();
        break;
    case QMBS_ERROR_RETURNED:
        emit pollReplyError();
        break;
    case QMBS_GOOD_REPLY_FOUND:
        emit pollReplyGood();
        break;
    case QMBS_REQUEST_CANCELED:
        emit pollRequestCanceled();
        break;
    default:
        break;
    }
}
