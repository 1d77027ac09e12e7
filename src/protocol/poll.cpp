#include "protocol/poll.h"

#include "link/exchange.h"
#include "link/shared_state.h"
#include "platform/dialogs.h"
#include "platform/talign_edit.h"
#include "platform/tmymaskedit.h"
#include "platform/ttimer.h"
#include "protocol/answer_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QPushButton>

Poll::Poll(AnswerPanel& panel, SharedState& state, FrameSender& sender, TTimer& timeOut, Dialogs& dialogs,
           std::function<std::optional<QString>()> readAddressHex, QWidget* editAdres)
    : panel_(panel), state_(state), sender_(sender), timeOut_(timeOut), dialogs_(dialogs),
      readAddressHex_(std::move(readAddressHex)), editAdres_(editAdres) {}

void Poll::blankPanel() {
    panel_.EditAnswerAdr->SetText("");
    panel_.AnswerSpeed->setCurrentIndex(-1);
    if (panel_.EditTime)
        panel_.EditTime->SetText("");
    panel_.DateTimePicker1->setDateTime(QDateTime::currentDateTime());
    for (int i = 0; i < 8; ++i) {
        panel_.CheckRSD[i]->setChecked(false);
        panel_.CheckRU[i]->setChecked(false);
    }
    panel_.EditTypeDevice->SetText("");
    panel_.EditSN->SetText("");
    panel_.BtnAnsSend->setEnabled(false);
    panel_.BtnRegSend->setEnabled(false);
    panel_.BtnSNSend->setEnabled(false);
}

void Poll::BtnAdrSendClick() {
    // The poll is under way and its window armed before the address is looked at.
    state_.PollActive = true;
    timeOut_.SetEnabled(true);
    blankPanel();

    const std::optional<QString> address = readAddressHex_();
    if (!address)
        return;
    if (address->size() % 2 != 0) {
        dialogs_.showMessage("Некорректный ввод данных!");
        if (editAdres_)
            editAdres_->setFocus();
        return;
    }
    if (address->isEmpty()) {
        dialogs_.showMessage("Поле Адрес пусто!");
        return;
    }
    state_.LastReadStart = "0001";
    state_.LastReadCount = "0002";
    sender_.SendFrame(*address, "04", "00010002");
    state_.AwaitingIdent = false;
    state_.ChainIdentRequest = true;
    state_.ChainTimeRequest = true;
}
