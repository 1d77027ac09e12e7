#include "protocol/answer_decoder.h"

#include "link/exchange.h"
#include "link/frame.h"
#include "link/shared_state.h"
#include "platform/talign_edit.h"
#include "platform/tmymaskedit.h"
#include "protocol/answer_layouts.h"
#include "protocol/answer_panel.h"
#include "protocol/device_types.h"
#include "protocol/identification.h"
#include "protocol/serial_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>

AnswerDecoder::AnswerDecoder(AnswerPanel& panel, SharedState& state, FrameSender& sender)
    : panel_(panel), state_(state), sender_(sender) {}

void AnswerDecoder::DecodeAnswer(const QString& address, const QString& function, const QString& data) {
    switch (AnswerKindOf(function)) {
    case AnswerKind::RegisterRead:
        registerRead(address, data);
        break;
    case AnswerKind::Identification:
        identification(address, data);
        break;
    case AnswerKind::Clock:
        if (state_.PollActive)
            clock(address, data);
        break;
    case AnswerKind::Date:
        if (state_.PollActive)
            date(data);
        break;
    case AnswerKind::Other:
        break;
    }
    panel_.BtnAnsSend->setEnabled(true);
    panel_.BtnTimeSend->setEnabled(true);
    state_.LastReadStart.clear();
    state_.LastReadCount.clear();
}

void AnswerDecoder::showRegister(bool status, uint8_t value) {
    const auto& boxes = status ? panel_.CheckRSD : panel_.CheckRU;
    for (int i = 0; i < 8; ++i)
        boxes[i]->setChecked(BitIsSet(value, 7 - i));
}

void AnswerDecoder::registerRead(const QString& address, const QString& data) {
    const RegisterDisplay shown = DecodeRegisterReadAnswer(data, state_.LastReadStart, state_.LastReadCount);
    if (shown.tooShort)
        return;
    if (shown.address)
        panel_.EditAnswerAdr->SetText(QString::number(*shown.address));
    if (shown.speedIndex)
        panel_.AnswerSpeed->setCurrentIndex(*shown.speedIndex);
    if (shown.showsRegisters()) {
        showRegister(true, *shown.status);
        showRegister(false, *shown.control);
        panel_.BtnRegSend->setEnabled(true);
    }
    if (state_.ChainIdentRequest) {
        sender_.SendFrame(address, "2B", "");
        state_.AwaitingIdent = true;
    }
}

void AnswerDecoder::identification(const QString& address, const QString& data) {
    state_.ChainIdentRequest = false;
    const Identification ident = DecodeIdentificationAnswer(data);
    if (ident.tooShort) {
        // Taken as the identification answer, but nothing of it can be shown.
        state_.AwaitingIdent = false;
        return;
    }
    const DeviceTypeInfo type = LookupDeviceType(state_.ProgramDir, state_.DeviceTypeFileName, ident.typeCode);
    state_.ModelShortName = type.shortName;
    panel_.EditTypeDevice->SetText(TypeDeviceText(type.modelName, ident.version));
    for (int i = 0; i < 8; ++i) {
        panel_.CheckRSD[i]->setToolTip(type.bitNames[i]);
        panel_.CheckRU[i]->setToolTip(type.bitNames[8 + i]);
    }

    panel_.EditSN->setEnabled(false);
    state_.SerialListFileName = SerialListPath(state_.ProgramDir, ident.typeCode);
    const bool permitted = SerialWritePermitted(state_.SerialListFileName, SerialKey(ident.serialNumber));
    panel_.EditSN->setEnabled(permitted);
    panel_.BtnSNSend->setEnabled(permitted);
    panel_.EditSN->SetText(QString::number(ident.serialNumber));

    state_.AwaitingIdent = false;
    if (state_.ChainTimeRequest) {
        sender_.SendFrame(address, "60", "");
        state_.ChainTimeRequest = false;
        state_.ChainDateRequest = true;
    }
}

void AnswerDecoder::clock(const QString& address, const QString& data) {
    const ClockReading reading = DecodeClockAnswer(data);
    if (reading.tooShort)
        return;
    if (reading.timeText)
        panel_.EditTime->SetText(*reading.timeText);
    if (state_.ChainDateRequest) {
        sender_.SendFrame(address, "61", "");
        state_.ChainDateRequest = false;
    }
}

void AnswerDecoder::date(const QString& data) {
    const DateReading reading = DecodeDateAnswer(data);
    if (!reading.tooShort)
        panel_.DateTimePicker1->setDate(reading.date);
}
