#include "app/tmain.h"

#include "app/tlogo.h"
#include "commands/command_panel.h"
#include "commands/request_fields.h"
#include "firmware/firmware_panel.h"
#include "link/config_form.h"
#include "link/exchange.h"
#include "link/port_settings.h"
#include "link/port_status.h"
#include "platform/comm32.h"
#include "platform/dialogs.h"
#include "platform/handler_guard.h"
#include "platform/log_list_box.h"
#include "platform/tmymaskedit.h"
#include "platform/ttimer.h"
#include "protocol/answer_decoder.h"
#include "protocol/answer_panel.h"
#include "protocol/poll.h"

#include <QApplication>
#include <QPushButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QTime>

// The pictures live in the library the program and the tests share: register them once.
static void initResources() { Q_INIT_RESOURCE(resources); }

const QString TMain::Caption = "Конфигуратор  Версия:  1.0.2 ( build 012 )";

TMain::TMain(Dialogs& dialogs_, std::unique_ptr<SerialTransport> transport, TMainOptions options, QWidget* parent)
    : QMainWindow(parent), dialogs(dialogs_), options_(std::move(options)) {
    initResources();
    setObjectName("Main");
    setWindowTitle(Caption);
    // The design position; the window is centred when it is first shown.
    setGeometry(306, 182, 992, 725);

    Comm32 = new TComm32(std::move(transport), this);
    Comm32->setObjectName("Comm32");

    ListBox1 = new TLogListBox;
    ListBox1->setObjectName("ListBox1");
    Exchange = new TExchange(*Comm32, State, dialogs, *ListBox1, this);

    buildLeftPanel();
    buildRightPanel();
    buildMenu();
    buildStatusBar();

    Exchange->SetPortList(ListBox0);
    Exchange->SetSendButton(Fields->SpeedButton1);
    wireProtocol();
    Comm32->OnReceiveData = [this](const QByteArray& buffer) { Exchange->Comm32ReceiveData(buffer); };
    Comm32->OnLineFailure = [this](const QString& text) { dialogs.showError(text); };

    TimerStatus = new TTimer(this, 500, true);
    TimerStatus->setObjectName("TimerStatus");
    TimerStatus->OnTimer = [this] { TimerStatusTimer(); };
    Pause100 = new TTimer(this, 100, false);
    Pause100->setObjectName("Pause100");
    TimerFW = new TTimer(this, 5000, true);
    TimerFW->setObjectName("TimerFW");
    TimerFW->OnTimer = [this] { TimerFWTimer(); };

    qApp->installEventFilter(this);
    FormCreate();
}

TMain::~TMain() { qApp->removeEventFilter(this); }

void TMain::wireProtocol() {
    Decoder = std::make_unique<AnswerDecoder>(*Answer, State, *Exchange);
    Exchange->DecodeAnswer = [this](const QString& a, const QString& f, const QString& d) {
        Decoder->DecodeAnswer(a, f, d);
    };
    Poller = std::make_unique<Poll>(*Answer, State, *Exchange, *Exchange->TimeOut(), dialogs,
                                    [this] { return Fields->ReadAddressHex(); }, Fields->EditAdres);
    connect(BtnAdrSend, &QPushButton::clicked, this, [this] { Guarded(dialogs, [this] { Poller->BtnAdrSendClick(); }); });
}

void TMain::FormCreate() {
    State.ProgramDir = options_.programDir.isEmpty() ? QCoreApplication::applicationDirPath() + "/"
                                                     : options_.programDir;
    if (!State.ProgramDir.endsWith('/'))
        State.ProgramDir += '/';
    ApplicationHelpFile = State.ProgramDir + "helpme.chm";

    // First start: the port is chosen before anything else. The window is not placed yet and
    // still stands at its design position, so the dialog comes up at left 496, top 182.
    if (!QFileInfo::exists(SettingsFilePath(State.ProgramDir)))
        MMO_PortClick();
    ApplyPortSettings();

    State.CommandFileName = "lqazswistcommand.txt";
    State.DeviceTypeFileName = "tip_device.txt";
    State.SerialListFileName = "sn_device.txt";

    Answer->AnswerSpeed->clear();
    Answer->AnswerSpeed->addItems(AnswerPanel::SpeedEntries);
    Answer->AnswerSpeed->setCurrentIndex(-1);

    EditTime = new TMyMaskEdit;
    Answer->PlaceEditTime(EditTime);
}

void TMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMain::FormShow() {
    if (options_.showSplash) {
        Tlogo logo(this);
        logo.exec();
    }
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1024, 768);
    // Left and top of the outer frame, as the toolkit counts them.
    move(screen.width() / 2 - frameGeometry().width() / 2, 10);
}

bool TMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !activated_)
        FormActivate();
    return handled;
}

void TMain::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    Fields->EditData->SetText("");
    Fields->EditAdres->SetText("");
    Fields->ComboboxCommand->SetText("");
    Answer->EditAnswerAdr->SetText("");
    Answer->EditTypeDevice->SetText("");
    Answer->EditSN->SetText("");
    Answer->DateTimePicker1->setDate(QDate::currentDate());
    EditTime->SetText(QTime::currentTime().toString("HH:mm"));
    Answer->EditTypeDevice->setEnabled(false);
    Answer->EditSN->setEnabled(false);
    Fields->CheckBoxHEXAdr->setChecked(false);
    Fields->CheckBoxHEXCommand->setChecked(false);
    Commands->BtnEdit->setEnabled(false);
    Commands->BtnDel->setEnabled(false);
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    // The window sees every key release before its controls, so F1 works in any field.
    if (event->type() == QEvent::KeyRelease) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // A key event goes first to the focused field, then up its parents: act on that first one.
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget && widget == first && widget->window() == this && !key->isAutoRepeat())
            FormKeyUp(key->key());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMain::FormKeyUp(int key) {
    if (key == Qt::Key_F1)
        N3->trigger();
}

void TMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TMain::FormClose() { Comm32->Close(); }

void TMain::MM_ExitClick() { close(); }

void TMain::Button1Click() { ListBox1->Clear(); }

void TMain::Splitter1Paint() { Fields->EditData->setFixedWidth(Panel1->width() - 20); }

void TMain::ApplyPortSettings() {
    Guarded(dialogs, [this] {
        QStringList ports;
        ::ApplyPortSettings(*Comm32, State.ProgramDir, dialogs, ports);
        CheckListBox1->clear();
        CheckListBox1->addItems(ports);
    });
}

void TMain::MMO_PortClick() {
    {
        TConfigForm form(*Comm32, State.ProgramDir, dialogs, this);
        form.move(x() + 190, y());
        if (options_.onPortDialog) {
            form.show();
            options_.onPortDialog(form);
            form.close();
        } else {
            form.exec();
        }
    }
    ApplyPortSettings();
}

void TMain::TimerStatusTimer() { StatusPanel1->setText(PortStatusText(*Comm32)); }

void TMain::TimerFWTimer() { TimerFW->SetEnabled(false); }
