#include "link/exchange.h"

#include "link/com_ports.h"
#include "link/frame.h"
#include "platform/comm32.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/events.h"
#include "platform/handler_guard.h"
#include "platform/log_list_box.h"
#include "platform/ttimer.h"

#include <QAbstractButton>
#include <QListWidget>

const QString TExchange::TooLongMessage =
    "Запрос не помещается в кадр: не больше 254 байт вместе с адресом и функцией.";
const QString TExchange::ChecksumErrorMark = "   <- ошибка контрольной суммы";

TExchange::TExchange(TComm32& comm, SharedState& state, Dialogs& dialogs, TLogListBox& log, QObject* parent)
    : QObject(parent), comm_(comm), state_(state), dialogs_(dialogs), log_(log),
      delay_(new TTimer(this, 2, false)), timeOut_(new TTimer(this, 2000, false)) {
    delay_->setObjectName("Delay");
    timeOut_->setObjectName("TimeOut");
    delay_->OnTimer = [this] { Guarded(dialogs_, [this] { DelayTimer(); }); };
    timeOut_->OnTimer = [this] { Guarded(dialogs_, [this] { TimeOutTimer(); }); };
}

void TExchange::SendFrame(const QString& address, const QString& function, const QString& data) {
    // The window runs from the first send since the last time-out; a running one goes on.
    timeOut_->SetEnabled(true);

    const QString request = address + function + data;
    if (request.size() / 2 > MaxFrameBytesBeforeCrc) {
        dialogs_.showMessage(TooLongMessage);
        return;
    }
    const QString frameText = FrameText(request);
    const QByteArray bytes = FrameTextToBytes(frameText);

    QStringList ports;
    EnumComPorts(ports, "COM", comm_, comm_.CommPort());
    if (listBox0_) {
        listBox0_->clear();
        listBox0_->addItems(ports);
    }
    if (ports.isEmpty()) {
        dialogs_.showMessage(NoComPortMessage);
        return;
    }

    if (!comm_.Connected())
        comm_.Open();
    WaitMs(100);
    // A port that refused the bytes has reported its failure already; nothing went out.
    if (!comm_.Write(bytes))
        return;
    log_.Add("TX:  " + frameText);
}

void TExchange::Comm32ReceiveData(const QByteArray& buffer) {
    if (buffer.isEmpty())
        return;
    RxBytes.append(buffer);
    RxHexSpaced = SpacedText(RxBytes);
    if (RxHex.size() < RxHexLimitDigits)
        RxHex += ContiguousText(buffer).left(RxHexLimitDigits - RxHex.size());
    delay_->SetEnabled(false);
    delay_->SetEnabled(true);
}

void TExchange::DelayTimer() {
    delay_->SetEnabled(false);
    // The answer is taken before pending events are handled: bytes arriving meanwhile begin the
    // next answer and are never logged or decoded with this one.
    const QByteArray answer = RxBytes;
    RxBytes.clear();
    const QString spaced = RxHexSpaced;
    RxHexSpaced.clear();
    const bool haveAnswer = !answer.isEmpty();
    const bool checksumOk = AnswerChecksumOk(answer);
    if (haveAnswer)
        log_.Add("RX: " + spaced + (checksumOk ? QString() : ChecksumErrorMark));
    AnswerReceived = 1;

    ProcessMessages();

    log_.ScrollToEnd();
    if (sendButton_)
        sendButton_->setEnabled(true);
    if (!haveAnswer || !checksumOk)
        return;

    QString compact = spaced.mid(1);
    compact.remove(' ');
    const QString addressText = compact.left(2);
    compact.remove(0, 2);
    QString functionText;
    if (state_.AwaitingIdent) {
        functionText = "BadVersion2B";
    } else {
        functionText = compact.left(2);
        compact.remove(0, 2);
    }
    if (DecodeAnswer)
        DecodeAnswer(addressText, functionText, compact);
}

void TExchange::TimeOutTimer() {
    if (sendButton_)
        sendButton_->setEnabled(true);
    timeOut_->SetEnabled(false);
    comm_.Close();
    // The window ends the poll completely: a chain flag left set would make the next unrelated
    // answer decode as a step of a poll that is over.
    state_.PollActive = false;
    state_.ChainIdentRequest = false;
    state_.ChainTimeRequest = false;
    state_.ChainDateRequest = false;
    state_.AwaitingIdent = false;
}
