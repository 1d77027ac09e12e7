#pragma once
// The command library controls of the left panel: the file label, the visible command list,
// its buttons and the hidden table of commands.
#include <QWidget>

class QLabel;
class QListWidget;
class QTableWidget;
class QToolButton;

class CommandPanel : public QWidget {
    Q_OBJECT
public:
    explicit CommandPanel(QWidget* parent = nullptr);

    QLabel* lblFileComand;
    QListWidget* ListCommand;
    QToolButton* btnCmdFile;
    QToolButton* BtnSave;
    QToolButton* BtnAddCommand;
    QToolButton* BtnEdit;
    QToolButton* BtnDel;
    QTableWidget* ListFullCmd;
};
