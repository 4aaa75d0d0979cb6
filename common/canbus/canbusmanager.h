#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QTimer>

#include <deque>
#include <map>
#include <memory>

class CanFrame;
class CanSendRequest;
class CanThread;
class MultiPacketMsg;
class QState;

// The framing layer of the display-to-display CAN link. Senders hand it
// CanSendRequests; it sends them one at a time from its state machine, a
// payload of up to 8 bytes as one frame and a longer one as a multi-packet
// transfer in records of up to 64 packets, each record acknowledged by the
// receiver (single message FILE_RECORD_SUCCESS, routed back by the owner as
// canFileRecordSuccess()) and repeated when the acknowledgement does not come.
// On the receiving side it reassembles transfers into MultiPacketMsgs, checks
// them with CRC-32 and hands complete messages on by signal.
//
// Identifier (11-bit frames): bits 0-3 the sender id, bits 4-10 the type.
//
// With a CanThread of the byte-array form (the update utility's) frames come
// in through receiveMsgSlot and go out by value; the manager then routes the
// record acknowledgement itself (processCanMsg), receives single packets
// only, and keeps no seconds-since-last-frame count.
class CanbusManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(uint canId READ get_canId WRITE set_canId NOTIFY canIdChanged)
    Q_PROPERTY(bool canIdRecError READ get_canIdRecError WRITE set_canIdRecError NOTIFY canIdRecErrorChanged)
    Q_PROPERTY(int senderIdBits READ get_senderIdBits WRITE set_senderIdBits NOTIFY senderIdBitsChanged)
    Q_PROPERTY(int msgIdPrioBits READ get_msgIdPrioBits WRITE set_msgIdPrioBits NOTIFY msgIdPrioBitsChanged)
    Q_PROPERTY(bool effEnabled READ get_effEnabled WRITE set_effEnabled NOTIFY effEnabledChanged)
    Q_PROPERTY(int receivedFrameSenderId READ get_receivedFrameSenderId WRITE set_receivedFrameSenderId NOTIFY receivedFrameSenderIdChanged)
    Q_PROPERTY(int receivedFrameMsgId READ get_receivedFrameMsgId WRITE set_receivedFrameMsgId NOTIFY receivedFrameMsgIdChanged)
    Q_PROPERTY(QByteArray receivedFrameData READ get_receivedFrameData WRITE set_receivedFrameData NOTIFY receivedFrameDataChanged)
    Q_PROPERTY(uint totalMissedPackets READ get_totalMissedPackets WRITE set_totalMissedPackets NOTIFY totalMissedPacketsChanged)
    Q_PROPERTY(bool fileTxfrActive READ get_fileTxfrActive WRITE set_fileTxfrActive NOTIFY fileTxfrActiveChanged)
    Q_PROPERTY(QString fileTxfrName READ get_fileTxfrName WRITE set_fileTxfrName NOTIFY fileTxfrNameChanged)
    Q_PROPERTY(int fileTxfrSize READ get_fileTxfrSize WRITE set_fileTxfrSize NOTIFY fileTxfrSizeChanged)
    Q_PROPERTY(int fileTxfrRcvd READ get_fileTxfrRcvd WRITE set_fileTxfrRcvd NOTIFY fileTxfrRcvdChanged)
    Q_PROPERTY(int canFileProgress READ get_canFileProgress WRITE set_canFileProgress NOTIFY canFileProgressChanged)
    Q_PROPERTY(uint secsSinceLastRcvPkt READ get_secsSinceLastRcvPkt WRITE set_secsSinceLastRcvPkt NOTIFY secsSinceLastRcvPktChanged)
    Q_PROPERTY(int sendQDepth READ get_sendQDepth WRITE set_sendQDepth NOTIFY sendQDepthChanged)
    Q_PROPERTY(int sendQWaterMark READ get_sendQWaterMark WRITE set_sendQWaterMark NOTIFY sendQWaterMarkChanged)

public:
    enum kivMsgType_enum {
        KIVMSGTYPE_SINGLE = 0,
        KIVMSGTYPE_MULTI_START = 1,
        KIVMSGTYPE_MULTI_PACKET = 2,
        KIVMSGTYPE_MULTI_END = 3,
        KIVMSGTYPE_FILE_START = 4,
        KIVMSGTYPE_FILE_RECORD_START = 5,
        KIVMSGTYPE_FILE_PACKET = 6,
        KIVMSGTYPE_FILE_RECORD_END = 7,
        KIVMSGTYPE_FILE_END = 8
    };
    Q_ENUM(kivMsgType_enum)

    enum kivMsgSingle_enum {
        KIVMSGSINGLE_MASTER = 0,
        KIVMSGSINGLE_MODE_PREHEAT = 1,
        KIVMSGSINGLE_MODE_REGULAR = 2,
        KIVMSGSINGLE_DAYPART_REQUEST = 3,
        KIVMSGSINGLE_ZONE_SETPOINT = 4,
        KIVMSGSINGLE_NAME_TO_USE = 5,
        KIVMSGSINGLE_EXIT_PREHEAT_REQUEST = 6,
        KIVMSGSINGLE_ALARM_REQUEST = 7,
        KIVMSGSINGLE_BIN_REMAIN_TIME = 8,
        KIVMSGSINGLE_BIN_USE = 9,
        KIVMSGSINGLE_UPDATE_USE_MAP = 10,
        KIVMSGSINGLE_MC_UPDATE_PROCESS = 11,
        KIVMSGSINGLE_MC_CANCEL_ALL_HOLDING = 12,
        KIVMSGSINGLE_MC_CONFIG_SETTINGS_CHANGE_REQUEST = 13,
        KIVMSGSINGLE_MC_CONFIG_SETTINGS_DATA = 14,
        KIVMSGSINGLE_MC_DATETIME_CHANGE_REQUEST = 15,
        KIVMSGSINGLE_MC_TIME_ZONE_CHANGE_REQUEST = 16,
        KIVMSGSINGLE_FW_INFO_REQUEST = 17,
        KIVMSGSINGLE_ROLLCALL_REQUEST = 18,
        KIVMSGSINGLE_SLAVE_REPORTING = 19,
        KIVMSGSINGLE_ACTIVELY_HOLDING_DATA = 20,
        KIVMSGSINGLE_MB_LINK_BROKEN = 21,
        KIVMSGSINGLE_ZONE_GEN_STATUS = 22,
        KIVMSGSINGLE_APP_INSTALL_STATUS = 23,
        KIVMSGSINGLE_NFC_START_BIN_TIMER = 24,
        KIVMSGSINGLE_NFC_STOP_BIN_TIMER = 25,
        KIVMSGSINGLE_NFC_DEREGISTER = 26,
        KIVMSGSINGLE_NFC_UPDATE_EXP = 27,
        KIVMSGSINGLE_NFC_SHOW_READER_ERROR = 28,
        KIVMSGSINGLE_NFC_SHOW_PRODUCT_MISMATCH = 29,
        KIVMSGSINGLE_OBJ_PROP = 30,
        KIVMSGSINGLE_OBJ_ACTION = 31,
        KIVMSGSINGLE_BIN_TARGET_TEMP = 32,
        KIVMSGSINGLE_ZONE_STATE = 33,
        KIVMSGSINGLE_DAYPART_INFO = 34,
        KIVMSGSINGLE_BINS_2_USE = 35,
        KIVMSGSINGLE_RESTATE_TRAYS_HOLD_TEMP = 36,
        KIVMSGSINGLE_NTP_CHANGED = 37,
        KIVMSGSINGLE_INDICATE_NFC_TAG = 38,
        KIVMSGSINGLE_CANCEL_NFC_TAG_INDICATOR = 39,
        KIVMSGSINGLE_RESTORATION_DIALOG_BLOCK = 40,
        KIVMSGSINGLE_REQUEST_RESYNC = 41,
        KIVMSGSINGLE_ZONE_EXIT_PREHEAT_INFO = 42,
        KIVMSGSINGLE_ZONE_DAYPART_CHANGED = 43,
        KIVMSGSINGLE_FILE_RECORD_SUCCESS = 44,
        KIVMSGSINGLE_SCREEN_TEST_START = 45,
        KIVMSGSINGLE_SCREEN_TEST_STOP = 46,
        KIVMSGSINGLE_RFID_TEST_START = 47,
        KIVMSGSINGLE_SYS_INFO_TEST_START = 48,
        KIVMSGSINGLE_ERROR_INFO = 49,
        KIVMSGSINGLE_DELETE_ERROR_INFO = 50,
        KIVMSGSINGLE_NFC_BIN_TIMER_EXPIRED = 51,
        KIVMSGSINGLE_CLEANING_MODE_STATUS = 52,
        KIVMSGSINGLE_ZONE_ECO_MODE_STATUS = 53,
        KIVMSGSINGLE_ZONE_OFF_MODE_STATUS = 54,
        KIVMSGSINGLE_ZONE_DAYPART_INFO = 55,
        KIVMSGSINGLE_ZONE_DAYPART_REQUEST = 56,
        KIVMSGSINGLE_MC_UPDATE_PRODUCTS = 57,
        KIVMSGSINGLE_MC_UPDATE_DAYPARTS = 58,
        KIVMSGSINGLE_MC_LANG_SETTINGS_DATA = 59,
        KIVMSGSINGLE_ZONE_ECO_MODE_CONFIG = 60,
        KIVMSGSINGLE_SUGGEST_ECO_MODE_START = 61,
        KIVMSGSINGLE_ERROR_CLEAR_INFO = 62,
        KIVMSGSINGLE_ZONE_ENTER_PREHEAT_INFO = 63,
        KIVMSGSINGLE_HEATERS_TEST_ENABLED = 64,
        KIVMSGSINGLE_CLEAR_ERRORS_BUFF = 65,
        KIVMSGSINGLE_MAX = 66
    };
    Q_ENUM(kivMsgSingle_enum)

    enum kivMultiPacketId_enum {
        KIV_MULTI_ZONEMONITORINFO = 1,
        KIV_MULTI_DAYPART_INFO = 2,
        KIV_MULTI_ZONE_SETPOINT = 3,
        KIV_MULTI_CONFIG_INFO = 4,
        KIV_MULTI_TRAY_INFO = 5,
        KIV_MULTI_RESTORE_TRAY_INFO = 6,
        KIV_MULTI_FW_INFO = 7,
        KIV_MULTI_INSTALL_APP = 8,
        KIV_MULTI_BIN_PANID = 9,
        KIV_MULTI_FILE_TRANSFER = 10,
        KIV_MULTI_FILE_TRANSFER_PRODS = 11,
        KIV_MULTI_FILE_TRASFER_CONFIG = 12,
        KIV_MULTI_FILE_TRANSFER_DPS_M = 13,
        KIV_MULTI_FILE_TRANSFER_DPS_E = 14,
        KIV_MULTI_FILE_TRANSFER_UI_ID = 15,
        KIV_MULTI_FILE_TRANSFER_UI_ERR = 16,
        KIV_MULTI_FILE_TRANSFERLAST = 19,
        KIV_MULTI_OBJ_PROPERTY = 20,
        KIV_MULTI_NFC_DEREGISTER_TAG = 21,
        KIV_MULTI_TRAY_PANID = 22,
        KIV_MULTI_BINS_TARGET_TEMPS = 23,
        KIV_MULTI_HOLD_STOP_EVT = 24,
        KIV_MULTI_SERIAL_MODEL_INFO = 25,
        KIV_MULTI_UI_FW_INFO = 26,
        KIV_MULTI_STORE_NUMBER_INFO = 27,
        KIV_MULTI_NETWORK_CONFIG = 28,
        KIV_MULTI_SEND_HACCP_TIMER_STOP = 29,
        KIV_MULTI_SEND_HACCP_TIMER_START = 30,
        KIV_MULTI_BINS_REMAINING_TIME = 31,
        KIV_MULTI_HOLD_EXP_EVT = 32,
        KIV_MULTI_MAX = 33
    };
    Q_ENUM(kivMultiPacketId_enum)

    enum kivConfigSettingsBits_enum {
        KIV_CFG_STNG_BITS_USEFIRST_ENABLED = 1,
        KIV_CFG_STNG_BITS_ADVANCED_OPTIONS_ENABLED = 2,
        KIV_CFG_STNG_BITS_GROUPDOTS_ENABLED = 4,
        KIV_CFG_STNG_BITS_INDIVIDUALDP_ENABLED = 8,
        KIV_CFG_STNG_BITS_DEMOMODE_ENABLED = 16,
        KIV_CFG_STNG_BITS_DISCARD_FLASH_ENABLED = 32,
        KIV_CFG_STNG_BITS_CLEAN_MODE_ENABLED = 64,
        KIV_CFG_STNG_BITS_TIMER_COLOR_STATUS = 128
    };
    Q_ENUM(kivConfigSettingsBits_enum)

    static constexpr int SendQueueLimit = 2000;
    static constexpr int PacketBytes = 8;
    static constexpr int PacketsPerRecord = 64;
    static constexpr int RecordBytes = PacketBytes * PacketsPerRecord;
    static constexpr int RecordRetries = 20;
    static constexpr int RecordAckWindowMs = 250;
    static constexpr int LockupMs = 1000;
    // The largest transfer a receiver accepts, with room for the largest
    // file a display sends (the application binary).
    static constexpr qint64 MaxTransferSize = 64 * 1024 * 1024;
    // What all held transfers together may announce. A start past it first
    // drops held transfers that are finished or have stalled, then is
    // refused; a stalled transfer is one without a frame for this long (a
    // sender gives a record up after 21 tries 250 ms apart).
    static constexpr qint64 MaxHeldTransferBytes = 2 * MaxTransferSize;
    static constexpr qint64 StalledTransferMs = 10000;

    // Enum holder for the screens: members only, no machine, no connections.
    explicit CanbusManager(QObject *parent = nullptr);
    // nodeId is kept for callers that pass it; the sender id is canId.
    CanbusManager(CanThread *canThread, int nodeId, QObject *parent = nullptr);
    // The update utility's form: no node id. The frame form follows the
    // thread's.
    CanbusManager(CanThread *canThread, QObject *parent = nullptr);
    ~CanbusManager() override;

    // Registers the enum holder for QML as "CanbusDefs" 1.0 "CanbusDefines".
    static void registerQmlTypes();

    // Takes ownership. A request that claims to be one frame but carries
    // more than 8 bytes is refused (logged and deleted): it could never be
    // written and would stall the send machine.
    void enqueueSendRequest(CanSendRequest *request);
    // Drops every waiting request; the one being sent goes on.
    void clearQueue();
    // The payload of the held transfer with this multi-packet id, finished
    // or not; empty when none is held.
    QByteArray getMpm(int id) const;
    // Bytes the held transfers have announced, together.
    qint64 heldTransferBytes() const;
    // The senders that share this display's bus; frames of any other sender
    // are dropped, each such sender logged once. Until called, every sender
    // is heard.
    void acceptSendersOnly(const QSet<quint32> &senders);
    // Senders of which only single packets are heard: their multi-packet
    // messages and file transfers are for another node, so this one neither
    // takes them nor acknowledges their records.
    void hearOnlySinglePacketsFrom(const QSet<quint32> &senders);
    int nodeId() const { return m_nodeId; }
    bool usesByteArrayFrames() const { return m_byteArrayFrames; }

    // Identifier fields. A width setting that does not add up to the frame
    // format's 11 (or 29) bits is replaced by the defaults.
    void computeIdMasks();
    quint32 getSenderId(quint32 identifier) const;
    quint32 getMsgId(quint32 identifier) const;
    quint32 composeId(int frameId, int msgType) const;

    // Data bytes of the transfer frames (numbers big-endian).
    static QByteArray fileStartData(int multiId, quint32 totalSize);
    static QByteArray recordStartData(quint32 recordIndex, quint16 packetCount);
    static QByteArray crcData(int multiId, quint32 crc); // record end and end
    static bool isFileId(int multiId) { return multiId >= 10 && multiId <= 19; }
    static bool isMessageId(int multiId)
    {
        return (multiId >= 0 && multiId <= 9) || (multiId >= 20 && multiId <= 32);
    }

    uint get_canId() const { return m_canId; }
    void set_canId(uint value);
    // The screens call it.
    Q_INVOKABLE bool get_canIdRecError() const { return m_canIdRecError; }
    void set_canIdRecError(bool value);
    int get_senderIdBits() const { return m_senderIdBits; }
    void set_senderIdBits(int value);
    int get_msgIdPrioBits() const { return m_msgIdPrioBits; }
    void set_msgIdPrioBits(int value);
    bool get_effEnabled() const { return m_effEnabled; }
    void set_effEnabled(bool value);
    int get_receivedFrameSenderId() const { return m_receivedFrameSenderId; }
    void set_receivedFrameSenderId(int value);
    int get_receivedFrameMsgId() const { return m_receivedFrameMsgId; }
    void set_receivedFrameMsgId(int value);
    QByteArray get_receivedFrameData() const { return m_receivedFrameData; }
    void set_receivedFrameData(const QByteArray &value);
    uint get_totalMissedPackets() const { return m_totalMissedPackets; }
    void set_totalMissedPackets(uint value);
    bool get_fileTxfrActive() const { return m_fileTxfrActive; }
    void set_fileTxfrActive(bool value);
    QString get_fileTxfrName() const { return m_fileTxfrName; }
    void set_fileTxfrName(const QString &value);
    int get_fileTxfrSize() const { return m_fileTxfrSize; }
    void set_fileTxfrSize(int value);
    int get_fileTxfrRcvd() const { return m_fileTxfrRcvd; }
    void set_fileTxfrRcvd(int value);
    int get_canFileProgress() const { return m_canFileProgress; }
    void set_canFileProgress(int value);
    uint get_secsSinceLastRcvPkt() const { return m_secsSinceLastRcvPkt; }
    void set_secsSinceLastRcvPkt(uint value);
    int get_sendQDepth() const { return m_sendQDepth; }
    void set_sendQDepth(int value);
    int get_sendQWaterMark() const { return m_sendQWaterMark; }
    void set_sendQWaterMark(int value);

signals:
    void canIdChanged(uint value);
    void canIdRecErrorChanged(bool value);
    void senderIdBitsChanged(int value);
    void msgIdPrioBitsChanged(int value);
    void effEnabledChanged(bool value);
    void receivedFrameSenderIdChanged(int value);
    void receivedFrameMsgIdChanged(int value);
    void receivedFrameDataChanged(QByteArray value);
    void totalMissedPacketsChanged(uint value);
    void fileTxfrActiveChanged(bool value);
    void fileTxfrNameChanged(QString value);
    void fileTxfrSizeChanged(int value);
    void fileTxfrRcvdChanged(int value);
    void canFileProgressChanged(int value);
    void secsSinceLastRcvPktChanged(uint value);
    void sendQDepthChanged(int value);
    void sendQWaterMarkChanged(int value);

    // One frame to write; the thread takes the array.
    void sendCanPacket(quint32 id, QByteArray *data);
    // The byte-array form's frame out.
    void sendCanPacket(quint32 id, QByteArray data);
    // A single-packet message, always 8 bytes. The pointer form is emitted
    // only while something is connected to it, and its one receiver owns the
    // array; the value form serves receivers that keep no pointer.
    void receivedSinglePacket(QByteArray *msg);
    void receivedSinglePacket(QByteArray msg);
    // A complete, checked message of a message id (same two forms).
    void receivedMpm(int id, QByteArray *data);
    void receivedMpm(int id, QByteArray data);
    // A complete, checked file transfer; read it with getMpm(id).
    void receivedFileMpm(int id);
    void receivedFileFailedMpm(int id);
    void fileTxFailed(QString dispMessage);
    // Emitted by the owner when FILE_RECORD_SUCCESS arrives.
    void canFileRecordSuccess();
    void canRequestEnqueued();
    // The request just served, by its own number, each time the machine
    // leaves its sending state.
    void requestServed(quint32 requestId);
    // Raised when the sending state finds the queue empty (clearQueue ran in
    // between); takes the machine back to idle.
    void sendQueueEmpty();

public slots:
    // Guards.
    bool currentSendNotMulti();
    bool currentSendMulti();
    bool isRecordSendComplete();
    bool isNotRecordSendComplete();
    bool isNotLastPacket();
    bool isLastPacket();
    bool isRecordRetryAllowed();
    bool isNotRecordRetryAllowed();

    // Actions.
    void initRecordSendData();
    void incRecordRetryCount();
    void sendPacket();
    void sendStartMpm();
    void sendRecordStartMpm();
    void sendRecordEndMpm();
    void sendFinishMpm();
    void sendFileRecordSuccess();
    void processFrame();
    void receiveCanFrameSlot(CanFrame *frame);
    // Byte-array form: one frame as identifier word (big-endian) and 8
    // data bytes.
    void receiveMsgSlot(QByteArray frame);
    // Byte-array form: a single packet FILE_RECORD_SUCCESS acknowledges the
    // record just sent.
    void processCanMsg(QByteArray msg);
    void incSecsSinceLastPktRcvd();
    void logCanSendQDepth(int) {}
    void logCanSendQWaterMark(int) {}

    void disabled_onEntry() {}
    void disabled_onExit() {}
    void enabled_onEntry();
    void enabled_onExit();
    void idle_onEntry();
    void idle_onExit() {}
    void sending_onEntry();
    void sending_onExit();
    void sendingN_onEntry();
    void sendingN_onExit() {}
    void sendingRecordStart_onEntry();
    void sendingRecordStart_onExit() {}
    void sendingGap_onEntry();
    void sendingGap_onExit() {}
    void sendingOne_onEntry();
    void sendingOne_onExit() {}
    void sendingRecordEnd_onEntry();
    void sendingRecordEnd_onExit();
    void lastPacket_onEntry();
    void lastPacket_onExit();
    void silenceGap_onEntry();
    void silenceGap_onExit() {}

private:
    void buildMachine();
    void emitFrame(int frameId, int msgType, const QByteArray &data);
    int recordPacketCount() const;
    MultiPacketMsg *currentRxMsg() const;

    bool makeRoomForTransfer(int id, qint64 size);
    void rxStart();
    void rxRecordStart();
    void rxPacket();
    void rxRecordEnd();
    void rxEnd();

    CanThread *m_canThread = nullptr;
    int m_nodeId = 0;
    bool m_byteArrayFrames = false;

    // Send side.
    std::deque<std::unique_ptr<CanSendRequest>> m_sendQueue;
    std::unique_ptr<CanSendRequest> m_current;
    QByteArray m_txRecord;
    int m_txPacketInRecord = 0;
    qint64 m_txRecordIndex = -1;
    int m_txRetryCount = 0;

    // Receive side.
    std::map<int, std::unique_ptr<MultiPacketMsg>> m_rxMsgs;
    int m_rxCurrentId = -1;
    qint64 m_rxExpectedRecord = 0;
    int m_rxRecordPackets = 0;
    int m_rxRecordAnnounced = 0;
    QByteArray m_rxRecord;
    qint64 m_rxTotalSize = 0;

    bool m_everySenderAccepted = true;
    QSet<quint32> m_acceptedSenders;
    QSet<quint32> m_singlePacketSenders;
    QSet<quint32> m_refusedSendersLogged;

    quint32 m_senderMask = 0x00F;
    quint32 m_typeMask = 0x7F0;
    int m_typeShift = 4;

    QTimer recoverLockupTimer;
    QTimer silenceTimer;
    QTimer secondsTimer;

    uint m_canId = 0;
    bool m_canIdRecError = false;
    int m_senderIdBits = 4;
    int m_msgIdPrioBits = 7;
    bool m_effEnabled = false;
    int m_receivedFrameSenderId = 0;
    int m_receivedFrameMsgId = 0;
    QByteArray m_receivedFrameData;
    uint m_totalMissedPackets = 0;
    bool m_fileTxfrActive = false;
    QString m_fileTxfrName;
    int m_fileTxfrSize = 0;
    int m_fileTxfrRcvd = 0;
    int m_canFileProgress = 0;
    uint m_secsSinceLastRcvPkt = 0;
    int m_sendQDepth = 0;
    int m_sendQWaterMark = 0;
};
