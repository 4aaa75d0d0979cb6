#pragma once

#include <QObject>

class MasterIOSimuilator;
class ModbusFakeSlave;
class NfcReaderSimulator;
class PtyPair;
class ScriptedSlave;

// The cabinet's boards at the far end of a display's serial line, as the
// display meets them on the target: the I/O board (slave 1), whose channel
// temperatures follow the set points the display writes, and the two NFC
// readers (slaves 2 and 3), which report the tags the bench puts on them.
// They run in the bench driver, so nothing of them is charged to the display
// being measured. One instance per display run: a fresh run meets boards
// that have just been powered up.
class SerialBoards : public QObject
{
    Q_OBJECT

public:
    // perChannelTemps: the I/O board steers each temperature input on its
    // own instead of a channel's pair by their mean (cabinets with per-bin
    // temperatures).
    SerialBoards(PtyPair *line, bool perChannelTemps, QObject *parent = nullptr);

    // Sets a register of NFC reader 2 or 3 (a tag put down or taken away).
    void setReaderRegister(int slaveId, int reg, quint16 value);

private:
    void serve(const QByteArray &frame);

    PtyPair *m_line;
    ScriptedSlave *m_framer;
    MasterIOSimuilator *m_ioBoard;
    NfcReaderSimulator *m_reader1;
    NfcReaderSimulator *m_reader2;
};
