// The window's regions: the left panel with the request fields, the command library and the
// firmware controls; the right panel with the answer group, the log and its button.
#include "app/tmain.h"

#include "commands/command_panel.h"
#include "commands/request_fields.h"
#include "firmware/firmware_panel.h"
#include "link/exchange.h"
#include "platform/log_list_box.h"
#include "protocol/answer_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

QWidget* namedPanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

}  // namespace

void TMain::buildLeftPanel() {
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setHandleWidth(2);
    Splitter1->setChildrenCollapsible(false);
    setCentralWidget(Splitter1);

    Panel1 = namedPanel(Splitter1, "Panel1");
    Panel1->setMinimumWidth(310);

    grp1 = new QGroupBox("Опрос", Panel1);
    grp1->setObjectName("grp1");
    Label3 = new QLabel("Адрес", grp1);
    Label3->setObjectName("Label3");
    BtnAdrSend = new QPushButton("Опрос", grp1);
    BtnAdrSend->setObjectName("BtnAdrSend");

    Fields = new TRequestFields(grp1, Panel1, *Exchange, *Exchange->TimeOut(), State, dialogs, this);

    auto* pollRow = new QGridLayout(grp1);
    pollRow->addWidget(Label3, 0, 0);
    pollRow->addWidget(Fields->CheckBoxHEXAdr, 0, 1);
    pollRow->addWidget(Fields->EditAdres, 1, 0);
    pollRow->addWidget(Fields->UpDown1, 1, 1);
    pollRow->addWidget(BtnAdrSend, 1, 2);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(289, 61);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(":/resources/logo.png"));

    Commands = new CommandPanel(Panel1);

    Label2 = new QLabel("Команда", Panel1);
    Label2->setObjectName("Label2");
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(Label2);
    commandRow->addWidget(Fields->CheckBoxHEXCommand);
    commandRow->addWidget(Fields->ComboboxCommand, 1);

    Label1 = new QLabel("Данные (HEX)", Panel1);
    Label1->setObjectName("Label1");

    CheckListBox1 = new QListWidget(Panel1);
    CheckListBox1->setObjectName("CheckListBox1");
    CheckListBox1->hide();
    ListBox0 = new QListWidget(Panel1);
    ListBox0->setObjectName("ListBox0");
    ListBox0->hide();

    Firmware = new FirmwarePanel(Panel1);

    auto* column = new QVBoxLayout(Panel1);
    column->addWidget(grp1);
    column->addWidget(Image1, 0, Qt::AlignHCenter);
    column->addWidget(Commands, 1);
    column->addLayout(commandRow);
    column->addWidget(Label1);
    column->addWidget(Fields->EditData);
    column->addWidget(Fields->SpeedButton1);
    column->addWidget(Firmware);
}

void TMain::buildRightPanel() {
    Panel2 = namedPanel(Splitter1, "Panel2");
    Panel2->setMinimumWidth(130);

    Panel3 = namedPanel(Panel2, "Panel3");
    Panel3->setFixedHeight(192);
    Answer = new AnswerPanel(Panel3);
    auto* answerBox = new QVBoxLayout(Panel3);
    answerBox->setContentsMargins(4, 2, 4, 2);
    answerBox->addWidget(Answer);

    Panel5 = namedPanel(Panel2, "Panel5");
    Panel6 = namedPanel(Panel5, "Panel6");
    Panel6->setFixedWidth(6);
    ListBox1->setParent(Panel5);
    auto* logRow = new QHBoxLayout(Panel5);
    logRow->setContentsMargins(0, 0, 0, 0);
    logRow->setSpacing(0);
    logRow->addWidget(ListBox1, 1);
    logRow->addWidget(Panel6);

    Panel4 = namedPanel(Panel2, "Panel4");
    Panel4->setFixedHeight(41);
    Button1 = new QPushButton("Очистить", Panel4);
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    auto* buttonRow = new QHBoxLayout(Panel4);
    buttonRow->addStretch();
    buttonRow->addWidget(Button1);

    for (QWidget* band : {Panel3, Panel4, Panel5})
        band->setMinimumWidth(463);

    auto* column = new QVBoxLayout(Panel2);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Panel3);
    column->addWidget(Panel5, 1);
    column->addWidget(Panel4);

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({310, 680});
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { Splitter1Paint(); });
}
