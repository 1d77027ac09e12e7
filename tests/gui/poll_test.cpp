// The poll and the answer panel in the real main window, against the in-process simulator.
#include "main_rig.h"

#include "commands/request_fields.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "platform/handler_guard.h"
#include "platform/talign_edit.h"
#include "platform/tmymaskedit.h"
#include "platform/ttimer.h"
#include "protocol/answer_decoder.h"
#include "protocol/answer_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString framed(const QString& request) { return FrameText(request); }

QString checkedBoxes(const std::array<QCheckBox*, 8>& boxes) {
    QString bits;
    for (QCheckBox* box : boxes)
        bits += box->isChecked() ? '1' : '0';
    return bits;
}

}  // namespace

class PollTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainRig> rig;
    AnswerPanel* panel = nullptr;

    SimDevice& device(uint8_t address = 17) { return *rig->bus.device(address); }

    void poll(const QString& address, bool hex = false) {
        rig->main->Fields->CheckBoxHEXAdr->setChecked(hex);
        rig->main->Fields->EditAdres->SetText(address);
        QTest::mouseClick(rig->main->BtnAdrSend, Qt::LeftButton);
    }
    // The poll's four answers are in once the date has been set from the device.
    void waitForTheWholePoll() { QTRY_COMPARE_WITH_TIMEOUT(rig->wire().size(), 4, 3000); QTest::qWait(80); }

private slots:
    void init() {
        rig = std::make_unique<MainRig>();
        rig->bus.addDevice(17, SimModel::Korvanta10C, 1234567);
        panel = rig->main->Answer;
    }
    void cleanup() { rig.reset(); }

    void pollFillsThePanelInOrderWithFourFrames() {
        SimDevice& d = device();
        d.clock.setTime(QTime(14, 5));
        d.clock.setDate(3, QDate(2024, 12, 25));
        d.status = 0x81;
        d.control = 0x40;
        QStringList order;
        auto note = [&](const char* what) {
            if (!order.contains(what))
                order << what;
        };
        connect(panel->EditAnswerAdr, &QLineEdit::textChanged, this, [&](const QString& t) { if (!t.isEmpty()) note("address"); });
        connect(panel->EditTypeDevice, &QLineEdit::textChanged, this, [&](const QString& t) { if (!t.isEmpty()) note("type"); });
        connect(panel->EditTime, &QLineEdit::textChanged, this, [&](const QString& t) { if (t.trimmed() != ":") note("time"); });
        connect(panel->DateTimePicker1, &QDateEdit::dateChanged, this, [&](QDate date) { if (date == QDate(2024, 12, 25)) note("date"); });

        poll("17");
        waitForTheWholePoll();
        QCOMPARE(rig->wire(), (QStringList{framed("110400010002"), framed("112B"), framed("1160"), framed("1161")}));
        QCOMPARE(order, (QStringList{"address", "type", "time", "date"}));
        QCOMPARE(panel->EditAnswerAdr->Text(), QString("17"));
        QCOMPARE(panel->AnswerSpeed->currentText(), QString("9600"));
        QCOMPARE(checkedBoxes(panel->CheckRSD), QString("10000001"));
        QCOMPARE(checkedBoxes(panel->CheckRU), QString("01000000"));
        QCOMPARE(panel->EditTypeDevice->Text(), QString("Korvanta10C ver. 12"));
        QCOMPARE(panel->EditSN->Text(), QString("1234567"));
        QCOMPARE(panel->EditTime->Text(), QString("14:05"));
        QCOMPARE(panel->DateTimePicker1->date(), QDate(2024, 12, 25));
        QVERIFY(panel->BtnRegSend->isEnabled());
        QVERIFY(panel->BtnAnsSend->isEnabled());
        QVERIFY(panel->BtnTimeSend->isEnabled());
        QVERIFY(!panel->BtnSNSend->isEnabled());  // no serial-number list for the type
        QVERIFY(rig->main->State.SerialListFileName.endsWith("SN_6102.TXT"));
        QCOMPARE(rig->main->State.ModelShortName, QString("10C"));
        QVERIFY(rig->dialogs.messages().isEmpty());
    }

    void registerAnswerAfterAPollAtAddressOne() {
        SimDevice& d = rig->bus.addDevice(1);
        d.speedCode = 0x03;
        d.status = 0x81;
        d.control = 0x40;
        d.faults.noAnswer = true;
        d.faults.onlyFunction = 0x2B;
        poll("1");
        QTRY_COMPARE(rig->wire().size(), 2);
        QCOMPARE(rig->wire().at(1), framed("012B"));
        QCOMPARE(panel->EditAnswerAdr->Text(), QString("1"));
        QCOMPARE(panel->AnswerSpeed->currentText(), QString("4800"));
        QCOMPARE(checkedBoxes(panel->CheckRSD), QString("10000001"));
        QCOMPARE(checkedBoxes(panel->CheckRU), QString("01000000"));
        QVERIFY(panel->BtnRegSend->isEnabled());
        QVERIFY(rig->main->State.AwaitingIdent);
    }

    void speedCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("00") << 0x00 << QString();
        QTest::newRow("01") << 0x01 << QString("1200");
        QTest::newRow("08") << 0x08 << QString("230400");
        QTest::newRow("09") << 0x09 << QString();
        QTest::newRow("0A") << 0x0A << QString();
    }
    void speedCodes() {
        QFETCH(int, code);
        QFETCH(QString, shown);
        device().speedCode = static_cast<uint8_t>(code);
        poll("17");
        QTRY_VERIFY(!panel->EditAnswerAdr->Text().isEmpty());
        QCOMPARE(panel->AnswerSpeed->currentText(), shown);
    }

    void handMadeReadOfTheSecondRegister() {
        device().status = 0x81;
        device().control = 0x40;
        panel->EditAnswerAdr->SetText("5");
        panel->AnswerSpeed->setCurrentIndex(2);
        rig->main->State.LastReadStart = "0002";
        rig->main->State.LastReadCount = "0001";
        Guarded(rig->dialogs, [&] { rig->main->Exchange->SendFrame("11", "04", "00020001"); });
        QTRY_VERIFY(panel->BtnRegSend->isEnabled());
        QCOMPARE(checkedBoxes(panel->CheckRSD), QString("10000001"));
        QCOMPARE(checkedBoxes(panel->CheckRU), QString("01000000"));
        QCOMPARE(panel->EditAnswerAdr->Text(), QString("5"));
        QCOMPARE(panel->AnswerSpeed->currentIndex(), 2);
        QVERIFY(rig->main->State.LastReadStart.isEmpty());
        QCOMPARE(rig->wire().size(), 1);  // no poll: nothing chained
    }

    void identificationInBothFormsShowsTheSame_data() {
        QTest::addColumn<bool>("nineBytes");
        QTest::newRow("with the function code") << false;
        QTest::newRow("without it") << true;
    }
    void identificationInBothFormsShowsTheSame() {
        QFETCH(bool, nineBytes);
        device().nineByteIdent = nineBytes;
        poll("17");
        waitForTheWholePoll();
        QCOMPARE(panel->EditTypeDevice->Text(), QString("Korvanta10C ver. 12"));
        QCOMPARE(panel->EditSN->Text(), QString("1234567"));
    }

    void serialListDecidesWhetherTheNumberMayBeWritten_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("permitted");
        const QString header = ";Список серийных номеров изделия 10C\r\n;серийный номер, дата изменения\r\n;\r\n;\r\n";
        QTest::newRow("holds the key") << header + "01 234 567\t25.12.2024\r\n" << false;
        QTest::newRow("does not") << header + "01 234 568\t25.12.2024\r\n" << true;
        QTest::newRow("blank first line") << "\r\n" + header << false;
        QTest::newRow("missing") << QString() << false;
    }
    void serialListDecidesWhetherTheNumberMayBeWritten() {
        QFETCH(QString, list);
        QFETCH(bool, permitted);
        if (!list.isNull())
            WriteFile(rig->programDir() + "SN_6102.TXT", list, true);
        poll("17");
        QTRY_VERIFY(!panel->EditSN->Text().isEmpty());
        QCOMPARE(panel->EditSN->isEnabled(), permitted);
        QCOMPARE(panel->BtnSNSend->isEnabled(), permitted);
    }

    void typeTableGivesNamesAndTooltips() {
        WriteFile(rig->programDir() + "tip_device.txt",
                  "не тот заголовок\r\n6102 XYZ-Korvanta10C;Авария;Обрыв;;;;;;Норма;Реле 1;;;;;;;Подсветка;\r\n", true);
        poll("17");
        QTRY_VERIFY(!panel->EditTypeDevice->Text().isEmpty());
        QCOMPARE(panel->EditTypeDevice->Text(), QString("Korvanta10C ver. 12"));
        QCOMPARE(panel->CheckRSD[0]->toolTip(), QString("Авария"));
        QCOMPARE(panel->CheckRSD[7]->toolTip(), QString("Норма"));
        QCOMPARE(panel->CheckRU[0]->toolTip(), QString("Реле 1"));
        QCOMPARE(panel->CheckRU[7]->toolTip(), QString("Подсветка"));
        QCOMPARE(panel->CheckRSD[2]->toolTip(), QString());
        QCOMPARE(rig->main->State.ModelShortName, QString("10C"));
    }

    void unknownTypeShowsOnlyTheVersion() {
        device().typeB = 0x0A;  // code 6110
        poll("17");
        QTRY_VERIFY(!panel->EditTypeDevice->Text().isEmpty());
        QCOMPARE(panel->EditTypeDevice->Text(), QString(" ver. 12"));
        QVERIFY(rig->main->State.SerialListFileName.endsWith("SN_6110.TXT"));
    }

    void dateAnswers() {
        rig->main->State.PollActive = true;
        rig->main->Decoder->DecodeAnswer("11", "61", "0300000000" "FFFF");
        QCOMPARE(panel->DateTimePicker1->date(), QDate(1980, 1, 1));
        rig->main->Decoder->DecodeAnswer("11", "61", "0325122400" "FFFF");
        QCOMPARE(panel->DateTimePicker1->date(), QDate(2024, 12, 25));
        // An impossible date keeps the picker and reports the conversion error; no common ending.
        panel->BtnAnsSend->setEnabled(false);
        Guarded(rig->dialogs, [&] { rig->main->Decoder->DecodeAnswer("11", "61", "0331042400" "FFFF"); });
        QCOMPARE(rig->dialogs.lastMessage(), QString("'31.04.2024' is not a valid date"));
        QCOMPARE(panel->DateTimePicker1->date(), QDate(2024, 12, 25));
        QVERIFY(!panel->BtnAnsSend->isEnabled());
    }

    void clockAnswerOutsideAPoll() {
        rig->main->EditTime->SetText("09:05");
        rig->main->State.LastReadStart = "0001";
        rig->main->State.LastReadCount = "0002";
        rig->main->Decoder->DecodeAnswer("11", "60", "140500" "FFFF");
        QCOMPARE(rig->main->EditTime->Text(), QString("09:05"));
        QVERIFY(panel->BtnAnsSend->isEnabled());
        QVERIFY(panel->BtnTimeSend->isEnabled());
        QVERIFY(rig->main->State.LastReadStart.isEmpty());
        QVERIFY(rig->main->State.LastReadCount.isEmpty());
    }

    void shortAnswersChangeNothingAndChainNothing() {
        SharedState& s = rig->main->State;
        s.PollActive = true;
        s.ChainIdentRequest = s.ChainTimeRequest = s.ChainDateRequest = true;
        s.LastReadStart = "0001";
        s.LastReadCount = "0002";
        rig->main->Decoder->DecodeAnswer("11", "04", "0411040000");  // four data bytes announced, checksum missing
        rig->main->Decoder->DecodeAnswer("11", "2B", "0C3D02" "FFFF");
        rig->main->Decoder->DecodeAnswer("11", "60", "14" "FFFF");
        QVERIFY(panel->EditAnswerAdr->Text().isEmpty());
        QVERIFY(panel->EditTypeDevice->Text().isEmpty());
        QVERIFY(rig->wire().isEmpty());
        QVERIFY(panel->BtnAnsSend->isEnabled());  // the common ending ran
    }

    void badAddressesBlankThePanelAndSendNothing_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("message");
        QTest::newRow("300") << "300" << false << "Адрес не может превышать 255(DEC)!";
        QTest::newRow("one hex digit") << "A" << true << "Некорректный ввод данных!";
        QTest::newRow("empty") << "" << false << "Поле Адрес пусто!";
    }
    void badAddressesBlankThePanelAndSendNothing() {
        QFETCH(QString, address);
        QFETCH(bool, hex);
        QFETCH(QString, message);
        panel->EditAnswerAdr->SetText("9");
        panel->EditSN->SetText("77");
        panel->CheckRU[3]->setChecked(true);
        panel->BtnAnsSend->setEnabled(true);
        poll(address, hex);
        QCOMPARE(rig->dialogs.messages(), QStringList{message});
        QVERIFY(rig->wire().isEmpty());
        QVERIFY(panel->EditAnswerAdr->Text().isEmpty());
        QVERIFY(panel->EditSN->Text().isEmpty());
        QVERIFY(!panel->CheckRU[3]->isChecked());
        QVERIFY(!panel->BtnAnsSend->isEnabled());
        QCOMPARE(panel->AnswerSpeed->currentIndex(), -1);
        QVERIFY(rig->main->State.PollActive);
        QVERIFY(rig->main->Exchange->TimeOut()->Enabled());
        if (hex)
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig->main->Fields->EditAdres));
    }

    void timeOutEndsThePollCompletely() {
        device().faults.noAnswer = true;
        device().faults.onlyFunction = 0x2B;
        poll("17");
        QTRY_VERIFY(rig->main->State.AwaitingIdent);
        QTRY_VERIFY_WITH_TIMEOUT(!rig->main->State.PollActive, 3000);
        const SharedState& s = rig->main->State;
        QVERIFY(!s.AwaitingIdent && !s.ChainIdentRequest && !s.ChainTimeRequest && !s.ChainDateRequest);
    }

    void secondClickDuringAPollSendsTheReadAgainInTheSameWindow() {
        poll("17");
        poll("17");
        QTRY_COMPARE_WITH_TIMEOUT(rig->wire().filter(QRegularExpression("^1104")).size(), 2, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!rig->main->State.PollActive, 3000);
        QCOMPARE(rig->transport->openCount(), 1);
    }
};

QTEST_MAIN(PollTest)
#include "poll_test.moc"
