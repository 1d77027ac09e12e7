#pragma once
// The poll: one click reads the registers and, through the decoder's chain, the identification,
// the clock and the date of the device at the address field's bus address.
#include <QString>
#include <functional>
#include <optional>

class AnswerPanel;
class Dialogs;
class FrameSender;
class QWidget;
class TTimer;
struct SharedState;

class Poll {
public:
    // readAddressHex: the address field as hex text, or nothing after it showed its refusal.
    Poll(AnswerPanel& panel, SharedState& state, FrameSender& sender, TTimer& timeOut, Dialogs& dialogs,
         std::function<std::optional<QString>()> readAddressHex, QWidget* editAdres);

    // Raises the errors of the send (conversion, port).
    void BtnAdrSendClick();

private:
    void blankPanel();

    AnswerPanel& panel_;
    SharedState& state_;
    FrameSender& sender_;
    TTimer& timeOut_;
    Dialogs& dialogs_;
    std::function<std::optional<QString>()> readAddressHex_;
    QWidget* editAdres_;
};
