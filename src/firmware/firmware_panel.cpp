#include "firmware/firmware_panel.h"

#include "platform/talign_edit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>

FirmwarePanel::FirmwarePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("FirmwarePanel");
    LabelFW = new QLabel("Обновление прошивки", this);
    LabelFW->setObjectName("LabelFW");
    ProgressBarFW1 = new QProgressBar(this);
    ProgressBarFW1->setObjectName("ProgressBarFW1");
    ProgressBarFW1->setValue(0);
    AlignEditFW = new TAlignEdit(this);
    AlignEditFW->setObjectName("AlignEditFW");
    AlignEditFW->setEnabled(false);
    AlignEditFW->setFrame(false);
    AlignEditFW->SetColor(palette().color(QPalette::Window));
    BitBtnFW = new QPushButton("Обновить прошивку", this);
    BitBtnFW->setObjectName("BitBtnFW");
    BitBtnFWCancel = new QPushButton("Отмена", this);
    BitBtnFWCancel->setObjectName("BitBtnFWCancel");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(LabelFW, 0, 0);
    grid->addWidget(ProgressBarFW1, 0, 1);
    grid->addWidget(AlignEditFW, 1, 0, 1, 2);
    grid->addWidget(BitBtnFW, 2, 0);
    grid->addWidget(BitBtnFWCancel, 2, 1);

    for (QWidget* w : {static_cast<QWidget*>(LabelFW), static_cast<QWidget*>(ProgressBarFW1),
                       static_cast<QWidget*>(AlignEditFW), static_cast<QWidget*>(BitBtnFW),
                       static_cast<QWidget*>(BitBtnFWCancel)})
        w->hide();
}
