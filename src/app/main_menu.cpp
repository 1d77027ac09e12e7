// The main menu and the status bar of the main window.
#include "app/tmain.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(menu->style()->standardIcon(icon));
    return action;
}

QMenu* submenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

}  // namespace

void TMain::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    MM_File = bar->addMenu("&Файл");
    MM_File->setObjectName("MM_File");
    MM_cmdfile = item(MM_File, "MM_cmdfile", "Открыть файл команд", QStyle::SP_DialogOpenButton);
    N5 = item(MM_File, "N5", "Сохранить команды как ...", QStyle::SP_DialogSaveButton);
    N4 = item(MM_File, "N4", "Открыть файл данных", QStyle::SP_FileIcon);
    N7 = item(MM_File, "N7", "Обновить FirmWare ( Hex )");
    MM_File->addSeparator();
    MM_Exit = item(MM_File, "MM_Exit", "&Выход");
    connect(MM_Exit, &QAction::triggered, this, [this] { MM_ExitClick(); });

    MM_Options = bar->addMenu("&Опции");
    MM_Options->setObjectName("MM_Options");
    MMO_Port = item(MM_Options, "MMO_Port", "Порт...", QStyle::SP_ComputerIcon);
    connect(MMO_Port, &QAction::triggered, this, [this] { MMO_PortClick(); });
    BaseCommand = submenu(MM_Options, "BaseCommand", "Команды");
    MM_AddCommand = item(BaseCommand, "MM_AddCommand", "Добавить...", QStyle::SP_FileDialogNewFolder);

    N1 = bar->addMenu("Помощь");
    N1->setObjectName("N1");
    N3 = item(N1, "N3", "Справка", QStyle::SP_DialogHelpButton);
    BaseDevice = submenu(N1, "BaseDevice", "Устройства");
    for (const char* model : {"Korvanta10", "Korvanta10C", "Korvanta10C-X", "Korvanta10C-X-H"})
        BaseDevice->addAction(model);
    N6 = item(N1, "N6", "Поддержка");
}

void TMain::buildStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    // Panel 0 is drawn by the program and stays blank.
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setObjectName("StatusPanel0");
    StatusPanel0->setFixedWidth(50);
    StatusPanel1 = new QLabel("Порт: ", StatusBar1);
    StatusPanel1->setObjectName("StatusPanel1");
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
}
