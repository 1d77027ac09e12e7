#include "commands/request_fields.h"

#include "commands/request_field_rules.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/shared_state.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/handler_guard.h"
#include "platform/talign_edit.h"
#include "platform/tedit.h"
#include "platform/ttimer.h"
#include "platform/tupdown.h"

#include <QCheckBox>
#include <QPushButton>
#include <utility>

const QString TRequestFields::AddressTooBigMessage = "Адрес не может превышать 255(DEC)!";
const QString TRequestFields::CommandTooBigMessage = "Команда не может быть больше 255(DEC)!";
const QString TRequestFields::OddLengthMessage = "Некорректный ввод данных!";
const QString TRequestFields::AddressEmptyMessage = "Поле Адрес пусто!";
const QString TRequestFields::CommandEmptyMessage = "Поле Команда пусто!";

namespace {

template <typename Widget> Widget* makeNamed(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QCheckBox* makeHexBox(QWidget* parent, const char* name) {
    auto* box = new QCheckBox(QStringLiteral("HEX"), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

template <typename Fn> void TRequestFields::guarded(Fn&& handler) {
    Guarded(dialogs_, std::forward<Fn>(handler));
}

TRequestFields::TRequestFields(QWidget* addressParent, QWidget* fieldsParent, FrameSender& sender,
                               TTimer& timeOut, SharedState& state, Dialogs& dialogs, QObject* parent)
    : QObject(parent), EditAdres(makeNamed<TAlignEdit>(addressParent, "EditAdres")),
      CheckBoxHEXAdr(makeHexBox(addressParent, "CheckBoxHEXAdr")),
      UpDown1(makeNamed<TUpDown>(addressParent, "UpDown1")),
      ComboboxCommand(makeNamed<TAlignEdit>(fieldsParent, "ComboboxCommand")),
      CheckBoxHEXCommand(makeHexBox(fieldsParent, "CheckBoxHEXCommand")),
      EditData(makeNamed<TEdit>(fieldsParent, "EditData")),
      SpeedButton1(new QPushButton("Отправить", fieldsParent)), sender_(sender), timeOut_(timeOut),
      state_(state), dialogs_(dialogs) {
    setObjectName(QStringLiteral("RequestFields"));
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    EditData->SetCharCase(TEditCharCase::ecUpperCase);
    UpDown1->SetMin(0);
    UpDown1->SetMax(MaxRequestByte);
    UpDown1->SetIncrement(1);
    UpDown1->SetPosition(0);

    EditAdres->OnKeyPress = [this](QChar& key) { EditAdres1KeyPress(key); };
    EditAdres->OnKeyUp = [this](int) { guarded([this] { EditAdres1KeyUp(); }); };
    UpDown1->OnClick = [this](bool) { UpDown1Click(); };
    // toggled, not clicked: the switch also runs when the program ticks the box.
    connect(CheckBoxHEXAdr, &QCheckBox::toggled, this,
            [this] { guarded([this] { CheckBoxHEXAdrClick(); }); });
    ComboboxCommand->OnKeyPress = [this](QChar& key) { ComboboxCommandKeyPress(key); };
    ComboboxCommand->OnKeyUp = [this](int) { guarded([this] { ComboboxCommandKeyUp(); }); };
    connect(CheckBoxHEXCommand, &QCheckBox::toggled, this,
            [this] { guarded([this] { CheckBoxHEXCommandClick(); }); });
    EditData->OnKeyPress = [this](QChar& key) { EditDataKeyPress(key); };
    EditData->OnKeyUp = [this](int) { EditDataKeyUp(); };
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });
}

void TRequestFields::showAcceptable(TEdit* edit, bool acceptable) {
    edit->SetColor(acceptable ? WindowColor() : ErrorColor());
}

void TRequestFields::EditAdres1KeyPress(QChar& key) {
    key = FilterRequestKey(RequestField::Address, CheckBoxHEXAdr->isChecked(), EditAdres->Text(), key);
}

void TRequestFields::EditAdres1KeyUp() {
    const QString text = EditAdres->Text();
    const bool hex = CheckBoxHEXAdr->isChecked();
    const bool acceptable = RequestTextAcceptable(RequestField::Address, hex, text);
    showAcceptable(EditAdres, acceptable);
    if (text.isEmpty() || !acceptable)
        return;
    // The spinner keeps to its range: a decimal address above 255 puts it at 255.
    UpDown1->SetPosition(hex ? HexStrToInt(text) : StrToInt(text));
    // A lone decimal 0 can only be the start of a hex address (00, 0A, ...): switch to hex.
    if (!hex && IsLoneZero(text))
        CheckBoxHEXAdr->setChecked(true);
}

void TRequestFields::UpDown1Click() {
    if (EditAdres->Text().isEmpty())
        UpDown1->SetPosition(0);
    const int position = UpDown1->Position();
    EditAdres->SetText(CheckBoxHEXAdr->isChecked() ? HexByte(position) : QString::number(position));
}

void TRequestFields::switchBase(TEdit* edit, QCheckBox* hexBox) {
    const QString text = edit->Text();
    if (text.isEmpty())
        return;
    edit->SetText(hexBox->isChecked() ? DecimalToHexText(text) : HexToDecimalText(text));
}

void TRequestFields::CheckBoxHEXAdrClick() {
    switchBase(EditAdres, CheckBoxHEXAdr);
}

void TRequestFields::ComboboxCommandKeyPress(QChar& key) {
    key = FilterRequestKey(RequestField::Command, CheckBoxHEXCommand->isChecked(), ComboboxCommand->Text(),
                           key);
}

void TRequestFields::ComboboxCommandKeyUp() {
    showAcceptable(ComboboxCommand,
                   RequestTextAcceptable(RequestField::Command, CheckBoxHEXCommand->isChecked(),
                                         ComboboxCommand->Text()));
}

void TRequestFields::CheckBoxHEXCommandClick() {
    switchBase(ComboboxCommand, CheckBoxHEXCommand);
}

void TRequestFields::EditDataKeyPress(QChar& key) {
    key = FilterRequestKey(RequestField::Data, true, EditData->Text(), key);
}

void TRequestFields::EditDataKeyUp() {
    showAcceptable(EditData, RequestTextAcceptable(RequestField::Data, true, EditData->Text()));
}

std::optional<QString> TRequestFields::readByteHex(TEdit* edit, QCheckBox* hexBox,
                                                   const QString& tooBigMessage) {
    const QString text = edit->Text();
    if (hexBox->isChecked() || text.isEmpty())
        return text;
    const int value = StrToInt(text);
    if (value > MaxRequestByte) {
        dialogs_.showMessage(tooBigMessage);
        return std::nullopt;
    }
    return HexByte(value);
}

std::optional<QString> TRequestFields::ReadAddressHex() {
    return readByteHex(EditAdres, CheckBoxHEXAdr, AddressTooBigMessage);
}

std::optional<QString> TRequestFields::ReadCommandHex() {
    return readByteHex(ComboboxCommand, CheckBoxHEXCommand, CommandTooBigMessage);
}

void TRequestFields::SpeedButton1Click() {
    // Armed before any check: a refused press still ends in the time-out handling.
    timeOut_.SetEnabled(true);
    const std::optional<QString> address = ReadAddressHex();
    if (!address)
        return;
    const std::optional<QString> command = ReadCommandHex();
    if (!command)
        return;
    const QString data = EditData->Text();
    if ((address->size() + command->size() + data.size()) % 2 != 0) {
        dialogs_.showMessage(OddLengthMessage);
        return;
    }
    if (address->isEmpty()) {
        dialogs_.showMessage(AddressEmptyMessage);
        EditAdres->setFocus();
        return;
    }
    if (command->isEmpty()) {
        dialogs_.showMessage(CommandEmptyMessage);
        ComboboxCommand->setFocus();
        return;
    }
    state_.LastReadStart.clear();
    state_.LastReadCount.clear();
    if (*command == u"04") {
        state_.LastReadStart = data.left(4);
        if (data.size() >= 8)
            state_.LastReadCount = data.mid(4, 4);
    }
    sender_.SendFrame(*address, *command, data);
    if (*command == u"2B") {
        state_.AwaitingIdent = true;
        state_.ChainIdentRequest = false;
    }
}
