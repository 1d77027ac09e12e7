#pragma once
// The request fields of the left panel: the bus address with its HEX box and spinner, the function
// code with its HEX box, the data, and the button that sends them as one frame. The fields are
// created here with the parents the window gives; the window lays them out, so their classes
// come with this header.
#include "platform/talign_edit.h"
#include "platform/tupdown.h"

#include <QCheckBox>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <optional>

class Dialogs;
class FrameSender;
class TTimer;
struct SharedState;

class TRequestFields : public QObject {
    Q_OBJECT
public:
    static const QString AddressTooBigMessage;
    static const QString CommandTooBigMessage;
    static const QString OddLengthMessage;
    static const QString AddressEmptyMessage;
    static const QString CommandEmptyMessage;

    // addressParent holds the address, its HEX box and the spinner; fieldsParent the command, its
    // HEX box, the data and the send button. timeOut is the exchange's answer time-out.
    TRequestFields(QWidget* addressParent, QWidget* fieldsParent, FrameSender& sender, TTimer& timeOut,
                   SharedState& state, Dialogs& dialogs, QObject* parent = nullptr);

    TAlignEdit* EditAdres;
    QCheckBox* CheckBoxHEXAdr;
    TUpDown* UpDown1;
    TAlignEdit* ComboboxCommand;
    QCheckBox* CheckBoxHEXCommand;
    TEdit* EditData;
    QPushButton* SpeedButton1;

    // The address for a request as hex text (possibly empty), or nothing after the message that
    // refused a decimal value above 255: the caller stops. Raises EConvertError for a decimal
    // text that is not a number.
    std::optional<QString> ReadAddressHex();
    // The same for the function code.
    std::optional<QString> ReadCommandHex();

    // The event handlers. The widgets run them through the error guard; called directly, the
    // ones that convert text raise EConvertError, and the send the errors of SendFrame.
    void EditAdres1KeyPress(QChar& key);
    void EditAdres1KeyUp();
    void UpDown1Click();
    void CheckBoxHEXAdrClick();
    void ComboboxCommandKeyPress(QChar& key);
    void ComboboxCommandKeyUp();
    void CheckBoxHEXCommandClick();
    void EditDataKeyPress(QChar& key);
    void EditDataKeyUp();
    void SpeedButton1Click();

private:
    std::optional<QString> readByteHex(TEdit* edit, QCheckBox* hexBox, const QString& tooBigMessage);
    void switchBase(TEdit* edit, QCheckBox* hexBox);
    void showAcceptable(TEdit* edit, bool acceptable);
    template <typename Fn> void guarded(Fn&& handler);

    FrameSender& sender_;
    TTimer& timeOut_;
    SharedState& state_;
    Dialogs& dialogs_;
};
