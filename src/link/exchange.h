#pragma once
// The exchange cycle: requests out as framed hex text, answers gathered until the line is quiet,
// both logged, answers handed to the decoder, the port closed one window after the first send.
#include "link/com_ports.h"
#include "link/shared_state.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class Dialogs;
class QAbstractButton;
class QListWidget;
class TComm32;
class TLogListBox;
class TTimer;

// How requests leave the program; the request fields, the poll and the writes send through it.
class FrameSender {
public:
    virtual ~FrameSender() = default;
    // Raises EConvertError for a request that is not hex text, ECommsError when the port cannot
    // be opened: the calling handler ends there.
    virtual void SendFrame(const QString& address, const QString& function, const QString& data) = 0;
};

class TExchange : public QObject, public FrameSender {
    Q_OBJECT
public:
    // Text of the refusal of a request that does not fit one frame.
    static const QString TooLongMessage;
    // Marks an answer whose checksum is wrong in its log line.
    static const QString ChecksumErrorMark;
    // RxHex keeps the first bytes of what arrived since it was last emptied, no more.
    static constexpr int RxHexLimitDigits = 512;

    TExchange(TComm32& comm, SharedState& state, Dialogs& dialogs, TLogListBox& log, QObject* parent = nullptr);

    void SendFrame(const QString& address, const QString& function, const QString& data) override;
    void Comm32ReceiveData(const QByteArray& buffer);
    void DelayTimer();
    void TimeOutTimer();

    TTimer* Delay() const { return delay_; }
    TTimer* TimeOut() const { return timeOut_; }

    // The hidden list of the ports present, refreshed by every send.
    void SetPortList(QListWidget* listBox0) { listBox0_ = listBox0; }
    // The manual send button, enabled at the end of each answer and by the time-out.
    void SetSendButton(QAbstractButton* button) { sendButton_ = button; }
    // Receives each answer whose checksum is right: address, function ("BadVersion2B" while an
    // identification answer is awaited) and data text with the checksum digits.
    std::function<void(const QString&, const QString&, const QString&)> DecodeAnswer;

    // Receive state, read and emptied by the firmware upload.
    QByteArray RxBytes;
    QString RxHexSpaced;
    QString RxHex;
    int AnswerReceived = 0;

private:
    TComm32& comm_;
    SharedState& state_;
    Dialogs& dialogs_;
    TLogListBox& log_;
    TTimer* delay_;
    TTimer* timeOut_;
    QListWidget* listBox0_ = nullptr;
    QAbstractButton* sendButton_ = nullptr;
};
