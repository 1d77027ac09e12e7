// The whole serial path: korvanta-sim as its own process, the main window with its real serial
// component on the simulator's link, named in the program directory's "settings.ini".
#include "main_rig.h"
#include "sim_process.h"

#include "app/tmain.h"
#include "commands/request_fields.h"
#include "platform/log_list_box.h"
#include "platform/qt_serial_transport.h"
#include "platform/scripted_dialogs.h"
#include "protocol/answer_panel.h"
#include "platform/talign_edit.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class ManualSendTest : public QObject {
    Q_OBJECT

private slots:
    void typedRegisterReadGoesOverTheLine() {
        QTemporaryDir dir;
        SimProcess sim(dir.path(), {"--device", "17:10C:1234567", "--baud", "9600"});
        QVERIFY(sim.waitReady());
        sim.WriteSettings(dir.path());
        ScriptedDialogs dialogs;
        const std::unique_ptr<TMain> owned = MainOnRealPort(dir.path() + "/", dialogs);
        TMain& main = *owned;
        main.show();
        QVERIFY(dialogs.messages().isEmpty());
        QTRY_VERIFY(main.StatusPanel1->text().startsWith(sim.linkPath + ", 9600, 8, нет, нет, 1"));

        TRequestFields& f = *main.Fields;
        f.EditAdres->setFocus();
        QTest::keyClicks(f.EditAdres, "17");
        QTest::keyClicks(f.ComboboxCommand, "4");
        QTest::keyClicks(f.EditData, "00010002");
        QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);

        QTRY_COMPARE_WITH_TIMEOUT(main.ListBox1->Count(), 2, 3000);
        QCOMPARE(main.ListBox1->Line(0), QString("TX:  110400010002229B"));
        QVERIFY2(main.ListBox1->Line(1).startsWith("RX:  11 04 04 11 04 "), qPrintable(main.ListBox1->Line(1)));
        QCOMPARE(sim.loggedRequests(), QStringList{"11 04 00 01 00 02 22 9B"});
        QVERIFY(dialogs.messages().isEmpty());
    }
};

QTEST_MAIN(ManualSendTest)
#include "manual_send_test.moc"
