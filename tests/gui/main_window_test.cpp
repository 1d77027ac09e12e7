// The main window as it comes up: its controls, their first state, placement, keys and closing.
#include "main_rig.h"

#include "app/tlogo.h"
#include "commands/command_panel.h"
#include "commands/request_fields.h"
#include "firmware/firmware_panel.h"
#include "link/exchange.h"
#include "platform/comm32.h"
#include "platform/handler_guard.h"
#include "platform/talign_edit.h"
#include "platform/tmymaskedit.h"
#include "platform/ttimer.h"
#include "protocol/answer_panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QTime>
#include <QToolButton>

class MainWindowTest : public QObject {
    Q_OBJECT

    template <typename T = QWidget>
    T* find(TMain& main, const char* name) {
        T* w = main.findChild<T*>(name);
        if (!w)
            qWarning("no control %s", name);
        return w;
    }

private slots:
    void everyControlHasItsNameCaptionAndFirstState() {
        MainRig rig;
        TMain& m = *rig.main;
        QCOMPARE(m.objectName(), QString("Main"));
        QCOMPARE(m.windowTitle(), QString("Конфигуратор  Версия:  1.0.2 ( build 012 )"));

        struct Caption {
            const char* name;
            const char* text;
        };
        for (const Caption& c : {Caption{"BtnAdrSend", "Опрос"}, {"SpeedButton1", "Отправить"},
                                 {"CheckBoxHEXAdr", "HEX"}, {"CheckBoxHEXCommand", "HEX"}, {"Button1", "Очистить"},
                                 {"BtnAnsSend", "Отправить"}, {"BtnTimeSend", "Отправить"},
                                 {"BtnRegSend", "Отправить"}, {"BtnSNSend", "Отправить"},
                                 {"BitBtnFW", "Обновить прошивку"}, {"BitBtnFWCancel", "Отмена"}}) {
            auto* b = find<QAbstractButton>(m, c.name);
            QVERIFY2(b, c.name);
            QCOMPARE(b->text(), QString(c.text));
        }
        for (const Caption& c : {Caption{"Label3", "Адрес"}, {"Label2", "Команда"}, {"Label1", "Данные (HEX)"},
                                 {"lbl1", "Адрес (Dec)"}, {"lbl2", "Поток"}, {"Label6", "Тип устройства"},
                                 {"Label7", "Серийный номер"}, {"LabelFW", "Обновление прошивки"}}) {
            auto* l = find<QLabel>(m, c.name);
            QVERIFY2(l, c.name);
            QCOMPARE(l->text(), QString(c.text));
        }
        for (const Caption& c : {Caption{"grp1", "Опрос"}, {"GroupBox1", "Ответ"}, {"GroupBox2", "Регистр состояния"},
                                 {"GroupBox3", "Регистр управления"}}) {
            auto* g = find<QGroupBox>(m, c.name);
            QVERIFY2(g, c.name);
            QCOMPARE(g->title(), QString(c.text));
        }
        for (int bit = 0; bit < 8; ++bit) {
            QVERIFY(m.findChild<QCheckBox*>(QString("CheckRSD%1").arg(bit)));
            QVERIFY(m.findChild<QCheckBox*>(QString("CheckRU%1").arg(bit)));
        }
        for (const char* name : {"BtnAnsSend", "BtnTimeSend", "BtnRegSend", "BtnSNSend"})
            QVERIFY2(!find(m, name)->isEnabled(), name);
        QVERIFY(m.BtnAdrSend->isEnabled());
        QVERIFY(m.Fields->SpeedButton1->isEnabled());
        for (const char* name : {"LabelFW", "ProgressBarFW1", "AlignEditFW", "BitBtnFW", "BitBtnFWCancel",
                                 "ListFullCmd", "CheckListBox1", "ListBox0"})
            QVERIFY2(find(m, name)->isHidden(), name);

        struct Hint {
            const char* name;
            const char* text;
        };
        for (const Hint& h : {Hint{"btnCmdFile", "Открыть файл команд"}, {"BtnSave", "Сохранить команды в файл"},
                              {"BtnAddCommand", "Добавитькоманду в список"},
                              {"BtnEdit", "Редактировать выделенную уоманду"},
                              {"BtnDel", "Удалить выделенную команду"}})
            QCOMPARE(find(m, h.name)->toolTip(), QString(h.text));

        QCOMPARE(m.Answer->AnswerSpeed->count(), 8);
        QCOMPARE(m.Answer->AnswerSpeed->itemText(0), QString("1200"));
        QCOMPARE(m.Answer->AnswerSpeed->itemText(7), QString("230400"));
        QCOMPARE(m.StatusPanel0->width(), 50);
        QVERIFY(m.StatusPanel0->text().isEmpty());
        QCOMPARE(m.State.CommandFileName, QString("lqazswistcommand.txt"));
        QCOMPARE(m.State.DeviceTypeFileName, QString("tip_device.txt"));
        QCOMPARE(m.State.SerialListFileName, QString("sn_device.txt"));
        QCOMPARE(m.State.ProgramDir, rig.programDir());
        QCOMPARE(m.ApplicationHelpFile, rig.programDir() + "helpme.chm");
        QCOMPARE(m.HelpFile, QString(".\\helpme.chm"));
        QCOMPARE(m.findChild<QObject*>("Delay")->property("objectName").toString(), QString("Delay"));
        QVERIFY(m.findChild<QObject*>("TimeOut"));
        QVERIFY(m.findChild<QObject*>("TimerStatus"));
        QVERIFY(m.findChild<QObject*>("Pause100"));
        QVERIFY(m.findChild<QObject*>("TimerFW"));
    }

    void menuItems() {
        MainRig rig(false);
        TMain& m = *rig.main;
        struct Item {
            QAction* action;
            const char* name;
            const char* text;
        };
        for (const Item& i : {Item{m.MM_cmdfile, "MM_cmdfile", "Открыть файл команд"},
                              {m.N5, "N5", "Сохранить команды как ..."}, {m.N4, "N4", "Открыть файл данных"},
                              {m.N7, "N7", "Обновить FirmWare ( Hex )"}, {m.MM_Exit, "MM_Exit", "&Выход"},
                              {m.MMO_Port, "MMO_Port", "Порт..."}, {m.MM_AddCommand, "MM_AddCommand", "Добавить..."},
                              {m.N3, "N3", "Справка"}, {m.N6, "N6", "Поддержка"}}) {
            QCOMPARE(i.action->objectName(), QString(i.name));
            QCOMPARE(i.action->text(), QString(i.text));
        }
        for (QAction* a : {m.MM_cmdfile, m.N5, m.N4, m.MMO_Port, m.MM_AddCommand, m.N3})
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
        QCOMPARE(m.MM_File->title(), QString("&Файл"));
        QCOMPARE(m.MM_Options->title(), QString("&Опции"));
        QCOMPARE(m.BaseCommand->title(), QString("Команды"));
        QCOMPARE(m.N1->title(), QString("Помощь"));
        QCOMPARE(m.BaseDevice->title(), QString("Устройства"));
        QStringList models;
        for (QAction* a : m.BaseDevice->actions())
            models << a->text();
        QCOMPARE(models, (QStringList{"Korvanta10", "Korvanta10C", "Korvanta10C-X", "Korvanta10C-X-H"}));
    }

    void firstActivationSetsTheFieldsOnce() {
        MainRig rig(false);
        TMain& m = *rig.main;
        m.Fields->EditAdres->SetText("17");
        m.Fields->CheckBoxHEXCommand->setChecked(true);
        m.Answer->EditSN->SetText("5");
        m.Commands->BtnEdit->setEnabled(true);
        const QString before = QTime::currentTime().toString("HH:mm");
        m.show();
        m.activateWindow();
        QTRY_VERIFY(m.FieldsInitialised());
        const QString after = QTime::currentTime().toString("HH:mm");
        QVERIFY(m.Fields->EditData->Text().isEmpty());
        QVERIFY(m.Fields->EditAdres->Text().isEmpty());
        QVERIFY(m.Fields->ComboboxCommand->Text().isEmpty());
        QVERIFY(m.Answer->EditAnswerAdr->Text().isEmpty());
        QVERIFY(m.Answer->EditTypeDevice->Text().isEmpty());
        QVERIFY(m.Answer->EditSN->Text().isEmpty());
        QVERIFY(!m.Fields->CheckBoxHEXAdr->isChecked());
        QVERIFY(!m.Fields->CheckBoxHEXCommand->isChecked());
        QVERIFY(!m.Commands->BtnEdit->isEnabled());
        QVERIFY(!m.Commands->BtnDel->isEnabled());
        QVERIFY(!m.Answer->EditTypeDevice->isEnabled());
        QVERIFY(!m.Answer->EditSN->isEnabled());
        QVERIFY(m.EditTime->Text() == before || m.EditTime->Text() == after);
        QCOMPARE(m.Answer->DateTimePicker1->date(), QDate::currentDate());
        QCOMPARE(m.EditTime->parentWidget(), static_cast<QWidget*>(m.Answer));
        QCOMPARE(m.EditTime->geometry().topLeft(), QPoint(288, 40));
        QCOMPARE(m.EditTime->width(), 79);

        // A box closing gives the focus back: that is no new first activation.
        m.Fields->EditAdres->SetText("17");
        m.FormActivate();
        QCOMPARE(m.Fields->EditAdres->Text(), QString("17"));
    }

    void splashIsCentredAndClosesByItselfOrByAKey() {
        Tlogo logo;
        const QRect screen = logo.screen()->geometry();
        QCOMPARE(logo.geometry().center(), screen.center());
        QCOMPARE(logo.size(), QSize(966, 220));
        QCOMPARE(logo.Timer1->Interval(), 2000);
        QVERIFY(logo.Timer1->Enabled());
        logo.show();
        QTest::keyClick(&logo, Qt::Key_A);
        QVERIFY(!logo.isVisible());

        Tlogo waiting;
        QElapsedTimer clock;
        clock.start();
        waiting.exec();
        QVERIFY(clock.elapsed() >= 1990);
    }

    void placedAtTheTopCentre() {
        MainRig rig;
        const QRect screen = rig.main->screen()->geometry();
        QCOMPARE(rig.main->y(), 10);
        // The frame's margins may only be known once the window is on screen: centred within them.
        QVERIFY(qAbs(rig.main->frameGeometry().center().x() - screen.width() / 2) <= 3);
        QCOMPARE(rig.main->size(), QSize(992, 725));
    }

    void splitterKeepsTheDataFieldTwentyPixelsNarrower() {
        MainRig rig;
        TMain& m = *rig.main;
        m.Splitter1->setSizes({400, 590});
        QTest::qWait(20);
        m.Splitter1Paint();
        QCOMPARE(m.Fields->EditData->width(), m.Panel1->width() - 20);
        QCOMPARE(m.Splitter1->handleWidth(), 2);
        QVERIFY(m.Panel1->minimumWidth() == 310);
    }

    void f1ReleasedInAnyFieldRunsHelp() {
        MainRig rig;
        QSignalSpy help(rig.main->N3, &QAction::triggered);
        rig.main->Fields->EditData->setFocus();
        QTest::keyClick(rig.main->Fields->EditData, Qt::Key_F1);
        QCOMPARE(help.count(), 1);
        QTest::keyClick(rig.main->Fields->EditData, Qt::Key_F2);
        QCOMPARE(help.count(), 1);
    }

    void closingClosesThePort() {
        MainRig rig;
        rig.bus.addDevice(0x01);
        Guarded(rig.dialogs, [&] { rig.main->Exchange->SendFrame("01", "04", "00010002"); });
        QVERIFY(rig.transport->isOpen());
        rig.main->MM_Exit->trigger();
        QVERIFY(!rig.transport->isOpen());
        QVERIFY(!rig.main->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
