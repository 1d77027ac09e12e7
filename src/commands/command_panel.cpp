#include "commands/command_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* smallButton(QWidget* parent, const char* name, const QString& hint, QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize({16, 16});
    button->setFixedSize(25, 25);
    return button;
}

}  // namespace

CommandPanel::CommandPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("CommandPanel");
    lblFileComand = new QLabel(this);
    lblFileComand->setObjectName("lblFileComand");
    ListCommand = new QListWidget(this);
    ListCommand->setObjectName("ListCommand");

    btnCmdFile = smallButton(this, "btnCmdFile", "Открыть файл команд", QStyle::SP_DialogOpenButton);
    BtnSave = smallButton(this, "BtnSave", "Сохранить команды в файл", QStyle::SP_DialogSaveButton);
    BtnAddCommand = smallButton(this, "BtnAddCommand", "Добавитькоманду в список", QStyle::SP_FileDialogNewFolder);
    BtnEdit = smallButton(this, "BtnEdit", "Редактировать выделенную уоманду", QStyle::SP_FileDialogDetailedView);
    BtnDel = smallButton(this, "BtnDel", "Удалить выделенную команду", QStyle::SP_TrashIcon);

    // The whole table, named and unnamed rows; never without a row.
    ListFullCmd = new QTableWidget(1, 3, this);
    ListFullCmd->setObjectName("ListFullCmd");
    ListFullCmd->hide();

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QToolButton* b : {btnCmdFile, BtnSave, BtnAddCommand, BtnEdit, BtnDel})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(lblFileComand);
    column->addWidget(ListCommand, 1);
    column->addLayout(buttons);
}
