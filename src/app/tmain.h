#pragma once
// The main window: it builds the panels of every subsystem, wires them together, keeps the log and
// the status bar, and runs the start-up order. The device logic lives in the subsystems.
#include "link/shared_state.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class AnswerDecoder;
class AnswerPanel;
class CommandPanel;
class Dialogs;
class FirmwarePanel;
class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class Poll;
class QSplitter;
class QStatusBar;
class SerialTransport;
class TComm32;
class TExchange;
class TLogListBox;
class TMyMaskEdit;
class TRequestFields;
class TTimer;

struct TMainOptions {
    // The program's directory with a trailing separator; empty means the executable's.
    QString programDir;
    bool showSplash = true;
    // Run with the port dialog while it is up (tests answer it here); nothing runs it modally then.
    std::function<void(QDialog&)> onPortDialog;
};

class TMain : public QMainWindow {
    Q_OBJECT
public:
    static const QString Caption;

    TMain(Dialogs& dialogs, std::unique_ptr<SerialTransport> transport, TMainOptions options = {},
          QWidget* parent = nullptr);
    ~TMain() override;

    SharedState State;
    // The help file of the program's directory; the help command itself opens HelpFile.
    QString ApplicationHelpFile;
    const QString HelpFile = ".\\helpme.chm";
    Dialogs& dialogs;
    TComm32* Comm32;
    TExchange* Exchange;
    std::unique_ptr<AnswerDecoder> Decoder;
    std::unique_ptr<Poll> Poller;
    TTimer* TimerStatus;
    TTimer* Pause100;
    TTimer* TimerFW;

    QWidget* Panel1;
    QGroupBox* grp1;
    QLabel* Label3;
    QPushButton* BtnAdrSend;
    QLabel* Image1;
    QLabel* Label2;
    QLabel* Label1;
    TRequestFields* Fields;
    CommandPanel* Commands;
    FirmwarePanel* Firmware;
    QListWidget* CheckListBox1;
    QListWidget* ListBox0;
    QSplitter* Splitter1;
    QWidget* Panel2;
    QWidget* Panel3;
    AnswerPanel* Answer;
    QWidget* Panel5;
    TLogListBox* ListBox1;
    QWidget* Panel6;
    QWidget* Panel4;
    QPushButton* Button1;
    QStatusBar* StatusBar1;
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;
    TMyMaskEdit* EditTime = nullptr;

    QMenu* MM_File;
    QAction* MM_cmdfile;
    QAction* N5;
    QAction* N4;
    QAction* N7;
    QAction* MM_Exit;
    QMenu* MM_Options;
    QAction* MMO_Port;
    QMenu* BaseCommand;
    QAction* MM_AddCommand;
    QMenu* N1;
    QAction* N3;
    QMenu* BaseDevice;
    QAction* N6;

    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormKeyUp(int key);
    void FormClose();
    void MM_ExitClick();
    void Button1Click();
    void Splitter1Paint();
    void TimerFWTimer();
    void TimerStatusTimer();
    void MMO_PortClick();
    void ApplyPortSettings();

    bool FieldsInitialised() const { return activated_; }
    TMainOptions& Options() { return options_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLeftPanel();
    void buildRightPanel();
    void buildMenu();
    void buildStatusBar();
    void wireProtocol();

    TMainOptions options_;
    bool shown_ = false;
    bool activated_ = false;
};
