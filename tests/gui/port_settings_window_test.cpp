// The port settings in the running window: first start, the menu item and the status bar.
#include "main_rig.h"

#include "link/config_form.h"
#include "platform/comm32.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class PortSettingsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartOpensTheDialogBeforeTheWindow() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        bool windowVisible = true;
        QPoint placedAt;
        TMainOptions options;
        options.programDir = dir.path() + "/";
        options.showSplash = false;
        TMain* mainSeen = nullptr;
        options.onPortDialog = [&](QDialog& dialog) {
            placedAt = dialog.pos();
            mainSeen = qobject_cast<TMain*>(dialog.parentWidget());
            windowVisible = mainSeen && mainSeen->isVisible();
            QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
        };
        SimBus bus;
        TMain main(dialogs, std::make_unique<SimTransport>(bus), options);
        QVERIFY(mainSeen);
        QVERIFY(!windowVisible);
        QCOMPARE(placedAt, QPoint(496, 182));
        // "Отмена" on the first start writes the defaults, with the first listed port.
        QFile ini(dir.path() + "/settings.ini");
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(ini.readAll()),
                 QString("[Port]\r\nPort=SIM\r\nBoudRate=2\r\nBitsSize=1\r\nParity=2\r\nStopBits=0\r\nStreem=2\r\n"
                         "BufferRX=0\r\nBufferTX=0\r\n"));
        QCOMPARE(main.Comm32->CommPort(), QString("SIM"));
        QCOMPARE(main.Comm32->FlowControl(), FlowControlSetting::fcNone);
    }

    void statusBarDescribesThePort() {
        MainRig rig(true, "[Port]\r\nPort=SIM\r\nBoudRate=4\r\nParity=1\r\nStopBits=2\r\n");
        QCOMPARE(rig.main->StatusPanel1->text(), QString("Порт: "));
        QTRY_COMPARE(rig.main->StatusPanel1->text(), QString("SIM, 19200, 8, нет, нечет, 2"));
    }

    void menuItemAppliesWhatTheDialogSaved() {
        MainRig rig;
        rig.main->move(100, 50);
        QPoint placedAt;
        // The dialog is opened as the menu opens it, answered through the same hook.
        rig.main->Options().onPortDialog = [&](QDialog& dialog) {
            placedAt = dialog.pos();
            auto* form = static_cast<TConfigForm*>(&dialog);
            form->FormActivate();
            form->ComboParity->setCurrentIndex(3);
            QTest::mouseClick(form->ButtonSaveSet, Qt::LeftButton);
        };
        rig.main->MMO_Port->trigger();
        QCOMPARE(placedAt, QPoint(rig.main->x() + 190, rig.main->y()));
        QCOMPARE(rig.main->Comm32->Parity(), ParitySetting::pMark);
        QTRY_VERIFY(rig.main->StatusPanel1->text().contains(", маркер"));
    }
};

QTEST_MAIN(PortSettingsWindowTest)
#include "port_settings_window_test.moc"
