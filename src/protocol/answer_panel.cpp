#include "protocol/answer_panel.h"

#include "platform/talign_edit.h"
#include "platform/tmymaskedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

const QStringList AnswerPanel::SpeedEntries = {"1200", "2400", "4800", "9600", "19200", "38400", "115200", "230400"};

namespace {

template <typename W>
W* placed(W* widget, const char* name, int left, int top, int width = -1, int height = -1) {
    widget->setObjectName(name);
    widget->move(left, top);
    if (width > 0)
        widget->resize(width, height > 0 ? height : widget->sizeHint().height());
    else
        widget->adjustSize();
    return widget;
}

QPushButton* sendButton(QWidget* parent, const char* name, int left, int top) {
    auto* button = placed(new QPushButton("Отправить", parent), name, left, top, 75, 23);
    button->setEnabled(false);
    return button;
}

QGroupBox* registerGroup(QWidget* parent, const char* name, const QString& caption, int left, int width,
                         std::array<QCheckBox*, 8>& boxes, const char* prefix) {
    auto* group = placed(new QGroupBox(caption, parent), name, left, 70, width, 58);
    placed(new QLabel("D7  D6  D5  D4  D3  D2  D1  D0", group), "", 10, 16);
    for (int i = 0; i < 8; ++i) {
        auto* box = new QCheckBox(group);
        box->setObjectName(QString("%1%2").arg(prefix).arg(7 - i));
        box->setGeometry(10 + i * 24, 34, 18, 18);
        boxes[i] = box;
    }
    return group;
}

}  // namespace

AnswerPanel::AnswerPanel(QWidget* parent) : QGroupBox("Ответ", parent) {
    setObjectName("GroupBox1");

    lbl1 = placed(new QLabel("Адрес (Dec)", this), "lbl1", 8, 22);
    EditAnswerAdr = placed(new TAlignEdit(this), "EditAnswerAdr", 8, 40, 64, 21);
    EditAnswerAdr->SetMaxLength(3);
    lbl2 = placed(new QLabel("Поток", this), "lbl2", 90, 22);
    AnswerSpeed = placed(new QComboBox(this), "AnswerSpeed", 80, 40, 90, 21);
    AnswerSpeed->setEditable(false);
    BtnAnsSend = sendButton(this, "BtnAnsSend", 178, 39);

    DateTimePicker1 = placed(new QDateEdit(this), "DateTimePicker1", 376, 40, 100, 21);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    BtnTimeSend = sendButton(this, "BtnTimeSend", 484, 39);

    GroupBox2 = registerGroup(this, "GroupBox2", "Регистр состояния", 8, 214, CheckRSD, "CheckRSD");
    GroupBox3 = registerGroup(this, "GroupBox3", "Регистр управления", 230, 300, CheckRU, "CheckRU");
    BtnRegSend = sendButton(GroupBox3, "BtnRegSend", 212, 28);

    Label6 = placed(new QLabel("Тип устройства", this), "Label6", 8, 134);
    EditTypeDevice = placed(new TAlignEdit(this), "EditTypeDevice", 8, 152, 214, 21);
    Label7 = placed(new QLabel("Серийный номер", this), "Label7", 230, 134);
    EditSN = placed(new TAlignEdit(this), "EditSN", 230, 152, 100, 21);
    EditSN->SetMaxLength(8);
    EditSN->SetCharCase(TEditCharCase::ecUpperCase);
    BtnSNSend = sendButton(this, "BtnSNSend", 338, 151);
}

void AnswerPanel::PlaceEditTime(TMyMaskEdit* editTime) {
    EditTime = editTime;
    editTime->setParent(this);
    editTime->setObjectName("EditTime");
    editTime->setGeometry(288, 40, 79, 21);
    editTime->show();
}
