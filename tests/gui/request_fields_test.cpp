#include "menu_actions.h"
#include "commands/request_fields.h"
#include "link/exchange.h"
#include "link/shared_state.h"
#include "platform/colors.h"
#include "platform/errors.h"
#include "platform/scripted_dialogs.h"
#include "platform/ttimer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

const QString AddressTooBig = "Адрес не может превышать 255(DEC)!";
const QString CommandTooBig = "Команда не может быть больше 255(DEC)!";
const QString OddLength = "Некорректный ввод данных!";
const QString AddressEmpty = "Поле Адрес пусто!";
const QString CommandEmpty = "Поле Команда пусто!";

struct SentFrame {
    QString address, function, data;
    bool operator==(const SentFrame&) const = default;
};

class RecordingSender : public FrameSender {
public:
    void SendFrame(const QString& address, const QString& function, const QString& data) override {
        frames.push_back({address, function, data});
        if (!failure.isEmpty())
            throw ECommsError(failure);
    }
    std::vector<SentFrame> frames;
    QString failure;
};

// The fields in a window of their own, with the parents the main window gives them.
struct Rig {
    Rig() : grp1(new QWidget(&window)), panel1(new QWidget(&window)) {
        fields = std::make_unique<TRequestFields>(grp1, panel1, sender, timeOut, state, dialogs);
        auto* addressRow = new QHBoxLayout(grp1);
        for (QWidget* w :
             std::initializer_list<QWidget*>{fields->EditAdres, fields->CheckBoxHEXAdr, fields->UpDown1})
            addressRow->addWidget(w);
        auto* fieldsColumn = new QVBoxLayout(panel1);
        for (QWidget* w : std::initializer_list<QWidget*>{fields->ComboboxCommand, fields->CheckBoxHEXCommand,
                                                          fields->EditData, fields->SpeedButton1})
            fieldsColumn->addWidget(w);
        auto* column = new QVBoxLayout(&window);
        column->addWidget(grp1);
        column->addWidget(panel1);
        window.show();
        window.activateWindow();
    }

    void send() { QTest::mouseClick(fields->SpeedButton1, Qt::LeftButton); }

    QWidget window;
    QWidget* grp1;
    QWidget* panel1;
    RecordingSender sender;
    TTimer timeOut{nullptr, 2000, false};
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<TRequestFields> fields;
};

} // namespace

class RequestFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void widgetsCarryTheirNames() {
        Rig rig;
        for (const char* name : {"EditAdres", "CheckBoxHEXAdr", "UpDown1", "ComboboxCommand",
                                 "CheckBoxHEXCommand", "EditData", "SpeedButton1"})
            QVERIFY2(rig.window.findChild<QWidget*>(name), name);
        for (QWidget* w : std::initializer_list<QWidget*>{rig.fields->EditAdres, rig.fields->CheckBoxHEXAdr,
                                                          rig.fields->UpDown1})
            QCOMPARE(w->parentWidget(), rig.grp1);
        for (QWidget* w :
             std::initializer_list<QWidget*>{rig.fields->ComboboxCommand, rig.fields->CheckBoxHEXCommand,
                                             rig.fields->EditData, rig.fields->SpeedButton1})
            QCOMPARE(w->parentWidget(), rig.panel1);
        QCOMPARE(rig.fields->SpeedButton1->text(), QString("Отправить"));
        QCOMPARE(rig.fields->CheckBoxHEXAdr->text(), QString("HEX"));
        QCOMPARE(rig.fields->EditAdres->alignment(), Qt::AlignCenter);
        QCOMPARE(rig.fields->ComboboxCommand->alignment(), Qt::AlignCenter);
    }

    // Typed keys go through the filter; the release after each key sets the colour and, for the
    // address, the spinner and the switch to hex.
    void typing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("errorColour");
        QTest::addColumn<bool>("hexAfter");
        QTest::addColumn<int>("spinner");
        QTest::newRow("decimal 0 turns into hex 00") << "EditAdres" << false << "0"
                                                     << "00" << false << true << 0;
        QTest::newRow("decimal 300 keeps the window colour") << "EditAdres" << false << "300"
                                                             << "300" << false << false << 255;
        QTest::newRow("decimal address of three digits") << "EditAdres" << false << "2x5"
                                                         << "25" << false << false << 25;
        QTest::newRow("decimal address stops at three") << "EditAdres" << false << "1234"
                                                        << "123" << false << false << 123;
        QTest::newRow("one hex digit") << "EditAdres" << true << "1"
                                       << "1" << true << true << 0;
        QTest::newRow("hex letters in upper case") << "EditAdres" << true << "abc"
                                                   << "AB" << false << true << 171;
        QTest::newRow("decimal command 300") << "ComboboxCommand" << false << "300"
                                             << "300" << true << false << 0;
        QTest::newRow("decimal command without leading 0") << "ComboboxCommand" << false << "043"
                                                           << "43" << false << false << 0;
        QTest::newRow("hex command") << "ComboboxCommand" << true << "2b"
                                     << "2B" << false << true << 0;
        QTest::newRow("data of whole bytes") << "EditData" << false << "0g1h"
                                             << "01" << false << false << 0;
        QTest::newRow("data of an odd length") << "EditData" << false << "abc"
                                               << "ABC" << true << false << 0;
    }
    void typing() {
        QFETCH(QString, field);
        QFETCH(bool, hex);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, errorColour);
        QFETCH(bool, hexAfter);
        QFETCH(int, spinner);
        Rig rig;
        auto* edit = rig.window.findChild<TEdit*>(field);
        QCheckBox* box =
            field == "ComboboxCommand" ? rig.fields->CheckBoxHEXCommand : rig.fields->CheckBoxHEXAdr;
        box->setChecked(hex);
        QTest::keyClicks(edit, keys);
        QCOMPARE(edit->Text(), text);
        QCOMPARE(edit->Color(), errorColour ? ErrorColor() : WindowColor());
        QCOMPARE(box->isChecked(), hexAfter);
        QCOMPARE(rig.fields->UpDown1->Position(), spinner);
        QVERIFY(rig.dialogs.messages().isEmpty());
    }

    void backspaceToALoneZeroSwitchesToHex() {
        Rig rig;
        TAlignEdit* edit = rig.fields->EditAdres;
        QTest::keyClicks(edit, "10");
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->Text(), QString("00"));
        QVERIFY(rig.fields->CheckBoxHEXAdr->isChecked());

        // Back in decimal mode the lone 0 gives way to the next key, which deletes it.
        rig.fields->CheckBoxHEXAdr->setChecked(false);
        QCOMPARE(edit->Text(), QString("0"));
        QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(edit->Text(), QString());
        QTest::keyClicks(edit, "75");
        QCOMPARE(edit->Text(), QString("75"));
        QVERIFY(!rig.fields->CheckBoxHEXAdr->isChecked());
    }

    void spinnerStep_data() {
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty decimal field") << false << "" << true << "0";
        QTest::newRow("empty hex field") << true << "" << true << "00";
        QTest::newRow("hex step up") << true << "09" << true << "0A";
        QTest::newRow("decimal step down") << false << "100" << false << "99";
    }
    void spinnerStep() {
        QFETCH(bool, hex);
        QFETCH(QString, typed);
        QFETCH(bool, up);
        QFETCH(QString, text);
        Rig rig;
        rig.fields->CheckBoxHEXAdr->setChecked(hex);
        QTest::keyClicks(rig.fields->EditAdres, typed);
        QToolButton* arrow = up ? rig.fields->UpDown1->UpButton() : rig.fields->UpDown1->DownButton();
        QTest::mouseClick(arrow, Qt::LeftButton);
        QCOMPARE(rig.fields->EditAdres->Text(), text);
        QCOMPARE(rig.fields->CheckBoxHEXAdr->isChecked(), hex);
    }

    // The boxes convert also when the program ticks them; a text that is not a number ends in
    // the error box and stays as it was.
    void modeSwitchConverts() {
        Rig rig;
        TAlignEdit* address = rig.fields->EditAdres;
        QTest::keyClicks(address, "300");
        rig.fields->CheckBoxHEXAdr->setChecked(true);
        QCOMPARE(address->Text(), QString("12C"));
        rig.fields->CheckBoxHEXAdr->setChecked(false);
        QCOMPARE(address->Text(), QString("300"));

        TAlignEdit* command = rig.fields->ComboboxCommand;
        QTest::keyClicks(command, "7");
        rig.fields->CheckBoxHEXCommand->click();
        QCOMPARE(command->Text(), QString("07"));
        command->SetText("0A");
        rig.fields->CheckBoxHEXCommand->setChecked(false);
        QCOMPARE(command->Text(), QString("10"));
        QVERIFY(rig.dialogs.messages().isEmpty());

        rig.fields->CheckBoxHEXCommand->setChecked(true);
        command->SetText("ZZ");
        rig.fields->CheckBoxHEXCommand->setChecked(false);
        QCOMPARE(command->Text(), QString("ZZ"));
        QCOMPARE(rig.dialogs.messages(), QStringList{"'$ZZ' is not a valid integer value"});
    }

    void send_data() {
        QTest::addColumn<bool>("addressHex");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("commandHex");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("frame");
        QTest::addColumn<QString>("readStart");
        QTest::addColumn<QString>("readCount");

        const QStringList none;
        QTest::newRow("parity before emptiness") << false << "" << false << "4"
                                                 << "0" << OddLength << none << ""
                                                 << "";
        QTest::newRow("empty address") << false << "" << false << "4"
                                       << "00" << AddressEmpty << none << ""
                                       << "";
        QTest::newRow("empty command") << false << "1" << false << ""
                                       << "" << CommandEmpty << none << ""
                                       << "";
        QTest::newRow("hex address is not padded") << true << "1" << true << "04"
                                                   << "0001" << OddLength << none << ""
                                                   << "";
        QTest::newRow("decimal address 256") << false << "256" << false << "4"
                                             << "" << AddressTooBig << none << ""
                                             << "";
        QTest::newRow("decimal command 256") << false << "1" << false << "256"
                                             << "" << CommandTooBig << none << ""
                                             << "";
        QTest::newRow("one-byte frame") << true << "1" << true << "4"
                                        << ""
                                        << "" << QStringList{"1", "4", ""} << ""
                                        << "";
        QTest::newRow("decimal 255 and 4") << false << "255" << false << "4"
                                           << "00010002"
                                           << "" << QStringList{"FF", "04", "00010002"} << "0001"
                                           << "0002";
        QTest::newRow("register read without count") << true << "01" << true << "04"
                                                     << "000100"
                                                     << "" << QStringList{"01", "04", "000100"} << "0001"
                                                     << "";
        QTest::newRow("short register read") << true << "01" << true << "04"
                                             << "00"
                                             << "" << QStringList{"01", "04", "00"} << "00"
                                             << "";
        QTest::newRow("write clears the read") << false << "7" << true << "06"
                                               << "00010203"
                                               << "" << QStringList{"07", "06", "00010203"} << ""
                                               << "";
    }
    void send() {
        QFETCH(bool, addressHex);
        QFETCH(QString, address);
        QFETCH(bool, commandHex);
        QFETCH(QString, command);
        QFETCH(QString, data);
        QFETCH(QString, message);
        QFETCH(QStringList, frame);
        QFETCH(QString, readStart);
        QFETCH(QString, readCount);
        Rig rig;
        rig.state.LastReadStart = "FFFF";
        rig.state.LastReadCount = "EEEE";
        rig.state.ChainIdentRequest = true;
        rig.fields->CheckBoxHEXAdr->setChecked(addressHex);
        rig.fields->CheckBoxHEXCommand->setChecked(commandHex);
        QTest::keyClicks(rig.fields->EditAdres, address);
        QTest::keyClicks(rig.fields->ComboboxCommand, command);
        QTest::keyClicks(rig.fields->EditData, data);
        QCOMPARE(rig.fields->EditAdres->Text(), address);

        rig.send();

        QVERIFY(rig.timeOut.Enabled());
        QVERIFY(rig.fields->SpeedButton1->isEnabled());
        QCOMPARE(rig.fields->EditData->Text(), data);
        QCOMPARE(rig.state.AwaitingIdent, false);
        QCOMPARE(rig.state.ChainIdentRequest, true);
        if (!message.isEmpty()) {
            QCOMPARE(rig.dialogs.messages(), QStringList{message});
            QVERIFY(rig.sender.frames.empty());
            QCOMPARE(rig.state.LastReadStart, QString("FFFF"));
            QCOMPARE(rig.state.LastReadCount, QString("EEEE"));
            return;
        }
        QVERIFY(rig.dialogs.messages().isEmpty());
        QCOMPARE(rig.sender.frames, (std::vector<SentFrame>{{frame[0], frame[1], frame[2]}}));
        QCOMPARE(rig.state.LastReadStart, readStart);
        QCOMPARE(rig.state.LastReadCount, readCount);
    }

    void emptyFieldGetsTheFocus_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("focus");
        QTest::newRow("address") << ""
                                 << "EditAdres";
        QTest::newRow("command") << "5"
                                 << "ComboboxCommand";
    }
    void emptyFieldGetsTheFocus() {
        QFETCH(QString, address);
        QFETCH(QString, focus);
        Rig rig;
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        rig.fields->SpeedButton1->setFocus();
        QTest::keyClicks(rig.fields->EditAdres, address);
        rig.send();
        QTRY_COMPARE(QApplication::focusWidget(), rig.window.findChild<QWidget*>(focus));
    }

    void identificationRequestSetsItsFlags_data() {
        QTest::addColumn<bool>("commandHex");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("function");
        QTest::addColumn<bool>("identification");
        QTest::newRow("decimal 43") << false << "43"
                                    << "2B" << true;
        QTest::newRow("hex 2B") << true << "2B"
                                << "2B" << true;
        QTest::newRow("lower case from the command list") << true << "2b"
                                                          << "2b" << false;
    }
    void identificationRequestSetsItsFlags() {
        QFETCH(bool, commandHex);
        QFETCH(QString, command);
        QFETCH(QString, function);
        QFETCH(bool, identification);
        Rig rig;
        rig.state.ChainIdentRequest = true;
        QTest::keyClicks(rig.fields->EditAdres, "5");
        rig.fields->CheckBoxHEXCommand->setChecked(commandHex);
        // The command list puts its text in as it is.
        rig.fields->ComboboxCommand->SetText(command);
        rig.send();
        QCOMPARE(rig.sender.frames, (std::vector<SentFrame>{{"05", function, ""}}));
        QCOMPARE(rig.state.AwaitingIdent, identification);
        QCOMPARE(rig.state.ChainIdentRequest, !identification);
    }

    void sendErrorEndsInTheErrorBox() {
        Rig rig;
        rig.sender.failure = "The port cannot be opened";
        rig.state.ChainIdentRequest = true;
        QTest::keyClicks(rig.fields->EditAdres, "1");
        QTest::keyClicks(rig.fields->ComboboxCommand, "43");
        rig.send();
        QCOMPARE(rig.dialogs.messages(), QStringList{rig.sender.failure});
        QCOMPARE(rig.dialogs.calls().front().kind, ScriptedDialogs::CallKind::Error);
        // The handler ended in the send: the identification flags were never set.
        QCOMPARE(rig.state.AwaitingIdent, false);
        QCOMPARE(rig.state.ChainIdentRequest, true);
        QVERIFY(rig.fields->SpeedButton1->isEnabled());
    }

    void readAddressHexForOtherCallers() {
        Rig rig;
        QCOMPARE(rig.fields->ReadAddressHex(), std::optional<QString>(""));
        QTest::keyClicks(rig.fields->EditAdres, "26");
        QCOMPARE(rig.fields->ReadAddressHex(), std::optional<QString>("1A"));
        rig.fields->CheckBoxHEXAdr->setChecked(true);
        rig.fields->EditAdres->SetText("A");
        QCOMPARE(rig.fields->ReadAddressHex(), std::optional<QString>("A"));
        rig.fields->CheckBoxHEXAdr->setChecked(false);
        rig.fields->EditAdres->SetText("999");
        QCOMPARE(rig.fields->ReadAddressHex(), std::nullopt);
        QCOMPARE(rig.dialogs.messages(), QStringList{AddressTooBig});
    }

    void clipboardKeysDoNothing() {
        Rig rig;
        QApplication::clipboard()->setText("99");
        for (TEdit* edit : std::initializer_list<TEdit*>{rig.fields->EditAdres, rig.fields->ComboboxCommand,
                                                         rig.fields->EditData}) {
            QTest::keyClicks(edit, "12");
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
            edit->end(false);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->Text(), QString("12"));
        }
        QCOMPARE(QApplication::clipboard()->text(), QString("99"));
    }

    void contextMenuPasteIsFiltered_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal address") << "EditAdres"
                                         << "1a2b34"
                                         << "123";
        QTest::newRow("decimal command") << "ComboboxCommand"
                                         << "0x12"
                                         << "12";
        QTest::newRow("data") << "EditData"
                              << "de ad\tbe-ef"
                              << "DEADBEEF";
    }
    void contextMenuPasteIsFiltered() {
        QFETCH(QString, field);
        QFETCH(QString, clipboard);
        QFETCH(QString, text);
        Rig rig;
        auto* edit = rig.window.findChild<TEdit*>(field);
        QApplication::clipboard()->setText(clipboard);
        std::unique_ptr<QMenu> menu(edit->CreateContextMenu());
        QAction* paste = PasteAction(menu.get());
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(edit->Text(), text);
    }
};

QTEST_MAIN(RequestFieldsTest)
#include "request_fields_test.moc"
