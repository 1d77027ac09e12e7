#include "link/config_form.h"
#include "platform/comm32.h"
#include "platform/cp1251_text.h"
#include "platform/scripted_dialogs.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class PortListTransport : public SerialTransport {
public:
    explicit PortListTransport(QStringList ports) : ports_(std::move(ports)) {}
    OpenFailure open(const LineSettings&) override { return OpenFailure::CannotOpen; }
    void close() override {}
    bool isOpen() const override { return false; }
    bool apply(const LineSettings&) override { return true; }
    bool write(const QByteArray&) override { return false; }
    QStringList availablePorts(const QString&) const override { return ports_; }

private:
    QStringList ports_;
};

const QStringList Ports = {"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1"};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<int> tickedRows(const TConfigForm& form) {
    QList<int> rows;
    for (int i = 0; i < form.ListPort->count(); ++i)
        if (form.ListPort->item(i)->checkState() == Qt::Checked)
            rows << i;
    return rows;
}

QList<int> shownPositions(const TConfigForm& form) {
    QList<int> positions;
    for (const PortListInfo& info : PortLists())
        positions << form.Combo(info.list)->currentIndex();
    return positions;
}

// A point on the row's text, or on its tick box.
QPoint rowPoint(const TConfigForm& form, int row, bool onTickBox) {
    const QRect rect = form.ListPort->visualItemRect(form.ListPort->item(row));
    if (!onTickBox)
        return rect.center();
    QStyleOptionViewItem option;
    option.initFrom(form.ListPort);
    option.rect = rect;
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = form.ListPort->item(row)->text();
    return form.ListPort->style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, form.ListPort)
        .center();
}

// Types text key by key; QTest::keyClicks takes Latin-1 only.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class ConfigFormTest : public QObject {
    Q_OBJECT

private:
    QString programDir() const { return dir->path() + "/"; }
    QString settingsPath() const { return programDir() + "settings.ini"; }
    void writeSettings(const QStringList& lines) { WriteCp1251Lines(settingsPath(), lines); }

    std::unique_ptr<TConfigForm> openForm(const QString& directory) {
        auto form = std::make_unique<TConfigForm>(*comm, directory, dialogs);
        form->move(40, 30);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("dialog not exposed");
        return form;
    }
    std::unique_ptr<TConfigForm> openForm() { return openForm(programDir()); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TComm32> comm;
    ScriptedDialogs dialogs;

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        comm = std::make_unique<TComm32>(std::make_unique<PortListTransport>(Ports));
        dialogs.clear();
    }

    void layout() {
        const auto form = openForm();
        QCOMPARE(form->objectName(), QString("ConfigForm"));
        QCOMPARE(form->windowTitle(), QString(" Параметры порта "));
        QCOMPARE(form->size(), QSize(393, 284));
        QCOMPARE(form->GroupBox1->geometry(), form->rect());
        QVERIFY(form->GroupBox1->title().isEmpty());
        QVERIFY(!form->ComboBufferRX->isEnabled());
        QVERIFY(!form->ComboBufferTX->isEnabled());
        QCOMPARE(form->ComboParity->count(), 5);
        QCOMPARE(form->ComboParity->itemText(3), QString("Маркер"));
        QCOMPARE(form->ComboBoudRate->itemText(12), QString("256000"));
        QCOMPARE(form->pos(), QPoint(40, 30));
    }

    void activateShowsTheFile_data() {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<int>("tickedRow");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("no file") << QStringList() << 0 << QList<int>{2, 1, 2, 0, 2, 0, 0};
        QTest::newRow("stored port and positions")
            << QStringList{"[Port]",     "Port=/dev/ttyUSB1", "BoudRate=10", "BitsSize=0", "Parity=4",
                           "StopBits=2", "Streem=0",          "BufferRX=0",  "BufferTX=0"}
            << 2 << QList<int>{10, 0, 4, 2, 0, 0, 0};
        QTest::newRow("absent port, no Streem, not a number")
            << QStringList{"[port]", "port=/dev/ttyACM0", "BoudRate=fast", "Parity=1"} << 0
            << QList<int>{2, 1, 1, 0, 2, 0, 0};
        QTest::newRow("outside the lists")
            << QStringList{"[Port]",     "Port=/dev/ttyUSB0", "BoudRate=13", "BitsSize=2", "Parity=-1",
                           "StopBits=3", "Streem=-1",         "BufferRX=1",  "BufferTX=-5"}
            << 1 << QList<int>{-1, -1, -1, -1, -1, -1, -1};
    }

    void activateShowsTheFile() {
        QFETCH(QStringList, file);
        QFETCH(int, tickedRow);
        QFETCH(QList<int>, positions);
        if (!file.isEmpty())
            writeSettings(file);
        const auto form = openForm();
        QCOMPARE(tickedRows(*form), QList<int>{tickedRow});
        QCOMPARE(shownPositions(*form), positions);
        for (const PortListInfo& info : PortLists()) {
            const QComboBox* combo = form->Combo(info.list);
            const QString expected =
                combo->currentIndex() < 0 ? QString() : info.entries.at(combo->currentIndex());
            QCOMPARE(combo->currentText(), expected);
        }
        QVERIFY(dialogs.calls().empty());
    }

    void clickLeavesOnlyTheClickedPortTicked() {
        writeSettings({"[Port]", "Port=/dev/ttyUSB0"});
        const auto form = openForm();
        QWidget* viewport = form->ListPort->viewport();

        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(*form, 2, false));
        QCOMPARE(tickedRows(*form), QList<int>{2});
        // The tick box of the ticked entry: it stays the only one ticked.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(*form, 2, true));
        QCOMPARE(tickedRows(*form), QList<int>{2});
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(*form, 0, true));
        QCOMPARE(tickedRows(*form), QList<int>{0});
        // A double click as the system delivers it: press, release, double click, release.
        const QPoint tickBox1 = rowPoint(*form, 1, true);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, tickBox1);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, tickBox1);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, tickBox1);
        QCOMPARE(tickedRows(*form), QList<int>{1});
    }

    void cancelOnFirstStartWritesTheDefaultsThenNothing() {
        {
            const auto form = openForm();
            form->ComboBoudRate->setCurrentIndex(7);
            QTest::mouseClick(form->ButtonCancel, Qt::LeftButton);
            QVERIFY(!form->isVisible());
        }
        const QByteArray defaults("[Port]\r\nPort=/dev/ttyS0\r\nBoudRate=2\r\nBitsSize=1\r\nParity=2\r\n"
                                  "StopBits=0\r\nStreem=2\r\nBufferRX=0\r\nBufferTX=0\r\n");
        QCOMPARE(fileBytes(settingsPath()), defaults);

        const auto form = openForm();
        QTest::mouseClick(form->ListPort->viewport(), Qt::LeftButton, {}, rowPoint(*form, 1, false));
        form->ComboParity->setCurrentIndex(0);
        QTest::mouseClick(form->ButtonCancel, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(fileBytes(settingsPath()), defaults);
        QVERIFY(dialogs.calls().empty());
    }

    void closeBoxWritesNothing() {
        const auto form = openForm();
        form->close();
        QVERIFY(!form->isVisible());
        QVERIFY(!QFile::exists(settingsPath()));
    }

    void restoreDefaultsShowsThemAndWritesNothing() {
        writeSettings({"[Port]", "Port=/dev/ttyUSB1", "BoudRate=5", "BitsSize=0", "Parity=3", "StopBits=1",
                       "Streem=1", "BufferRX=-1", "BufferTX=-1"});
        const QByteArray before = fileBytes(settingsPath());
        const auto form = openForm();
        form->ComboStreem->setEditText("typed");
        QTest::mouseClick(form->ButtonRestoreDefault, Qt::LeftButton);

        QCOMPARE(form->frameGeometry().size(), QSize(409, 304));
        QVERIFY(form->isVisible());
        QCOMPARE(tickedRows(*form), QList<int>{0});
        QCOMPARE(shownPositions(*form), (QList<int>{2, 1, 2, 0, 2, 0, 0}));
        QCOMPARE(form->ComboStreem->currentText(), QString("Нет"));
        QCOMPARE(fileBytes(settingsPath()), before);
    }

    void saveWritesTheShownPositionsAndKeepsForeignLines() {
        writeSettings({"; Порт", "[Other]", "Port=COM9", "", "[port]", "Extra = 1", "boudrate=4", "",
                       "[Tail]", "X=Текст"});
        const auto form = openForm();
        QTest::mouseClick(form->ListPort->viewport(), Qt::LeftButton, {}, rowPoint(*form, 1, false));
        form->ComboBoudRate->setCurrentIndex(10);
        // Typed text counts by the entry it names; a text that names none is stored as -1.
        form->ComboParity->lineEdit()->clear();
        typeText(form->ComboParity->lineEdit(), "Нечет");
        form->ComboStopBits->lineEdit()->clear();
        typeText(form->ComboStopBits->lineEdit(), "3");
        QTest::keyClick(form->ComboStopBits->lineEdit(), Qt::Key_Return);
        QVERIFY(form->isVisible());
        form->ComboStreem->setCurrentIndex(1);
        QTest::mouseClick(form->ButtonSaveSet, Qt::LeftButton);

        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        const QStringList expected = {
            "; Порт",      "[Other]",           "Port=COM9",  "",         "[port]",      "Extra = 1",
            "boudrate=10", "Port=/dev/ttyUSB0", "BitsSize=1", "Parity=1", "StopBits=-1", "Streem=1",
            "BufferRX=0",  "BufferTX=0",        "",           "[Tail]",   "X=Текст"};
        QCOMPARE(ReadCp1251Lines(settingsPath()), expected);
        QVERIFY(fileBytes(settingsPath()).endsWith("X=\xD2\xE5\xEA\xF1\xF2\r\n"));
    }

    void saveWithNoPortTickedWritesAnEmptyPort() {
        comm = std::make_unique<TComm32>(std::make_unique<PortListTransport>(QStringList()));
        const auto form = openForm();
        QCOMPARE(form->ListPort->count(), 0);
        QTest::mouseClick(form->ButtonSaveSet, Qt::LeftButton);
        QCOMPARE(ReadCp1251Lines(settingsPath()).mid(0, 2), (QStringList{"[Port]", "Port="}));
    }

    void failedSaveShowsTheErrorAndKeepsTheDialogOpen() {
        const QString absentDir = programDir() + "absent/";
        const auto form = openForm(absentDir);
        QTest::mouseClick(form->ButtonSaveSet, Qt::LeftButton);
        QCOMPARE(dialogs.calls().size(), std::size_t(1));
        QVERIFY(dialogs.calls().front().kind == ScriptedDialogs::CallKind::Error);
        QCOMPARE(dialogs.lastMessage(),
                 "Unable to write to " + QDir::toNativeSeparators(absentDir + "settings.ini"));
        QVERIFY(form->isVisible());

        QTest::mouseClick(form->ButtonCancel, Qt::LeftButton);
        QCOMPARE(dialogs.calls().size(), std::size_t(2));
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(ConfigFormTest)
#include "config_form_test.moc"
