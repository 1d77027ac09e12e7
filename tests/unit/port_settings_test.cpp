#include "link/port_settings.h"
#include "link/port_status.h"
#include "platform/comm32.h"
#include "platform/cp1251_text.h"
#include "platform/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A line that is never opened here: it only lists the ports the test says are present.
class PortListTransport : public SerialTransport {
public:
    explicit PortListTransport(QStringList ports) : ports_(std::move(ports)) {}
    OpenFailure open(const LineSettings&) override {
        open_ = true;
        return OpenFailure::None;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool apply(const LineSettings&) override { return true; }
    bool write(const QByteArray&) override { return true; }
    QStringList availablePorts(const QString&) const override { return ports_; }

private:
    QStringList ports_;
    bool open_ = false;
};

const QStringList TwoPorts = {"/dev/ttyS0", "/dev/ttyUSB0"};

class ApplyPortSettingsTest : public ::testing::Test {
protected:
    void writeFile(const QStringList& lines) { WriteCp1251Lines(programDir() + "settings.ini", lines); }
    QString programDir() const { return dir.path() + "/"; }

    // Applies the file to a fresh component on a machine with the given ports.
    TComm32& apply(const QStringList& ports = TwoPorts) {
        comm = std::make_unique<TComm32>(std::make_unique<PortListTransport>(ports));
        ApplyPortSettings(*comm, programDir(), dialogs, checkListBox1);
        return *comm;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    QStringList checkListBox1{"stale entry"};
    std::unique_ptr<TComm32> comm;
};

} // namespace

TEST_F(ApplyPortSettingsTest, MissingFileGivesTheDefaults) {
    const TComm32& c = apply();
    EXPECT_EQ(c.CommPort(), "/dev/ttyS0");
    EXPECT_EQ(PortStatusText(c), "/dev/ttyS0, 9600, 8, нет, нет, 1");
    EXPECT_EQ(c.Settings().rxQueue, 4096);
    EXPECT_EQ(c.Settings().txQueue, 4096);
    EXPECT_EQ(checkListBox1, TwoPorts);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ApplyPortSettingsTest, PositionsGiveTheLineSettings) {
    struct Case {
        QStringList keys;
        QString status;
    };
    // Every file names the second port, so the status also shows that a listed port is kept.
    const Case cases[] = {
        {{"BoudRate=10", "BitsSize=0", "Parity=0", "StopBits=1", "Streem=1"},
         "/dev/ttyUSB0, 115200, 7, HardWare, чет, 1.5"},
        {{"BoudRate=0", "BitsSize=1", "Parity=1", "StopBits=2", "Streem=0"},
         "/dev/ttyUSB0, 2400, 8, Xon/Xoff, нечет, 2"},
        {{"BoudRate=12", "Parity=3", "Streem=2"}, "/dev/ttyUSB0, 256000, 8, нет, маркер, 1"},
        {{"Parity=4"}, "/dev/ttyUSB0, 9600, 8, нет, пробкл, 1"},
        // Out of the list: 8 data bits, the speed stays at the component's 9600.
        {{"BitsSize=5", "BoudRate=13"}, "/dev/ttyUSB0, 9600, 8, нет, нет, 1"},
        // Not a number counts as missing: the defaults, with no flow control as the dialog shows.
        {{"BoudRate=fast", "BitsSize=7 bits", "Parity=", "Streem=x"}, "/dev/ttyUSB0, 9600, 8, нет, нет, 1"},
    };
    for (const Case& c : cases) {
        writeFile(QStringList{"[Port]", "Port=/dev/ttyUSB0"} + c.keys);
        EXPECT_EQ(PortStatusText(apply()), c.status) << c.keys.join(' ').toStdString();
    }
}

TEST_F(ApplyPortSettingsTest, PositionsOutsideTheListsLeaveTheSettings) {
    writeFile({"[Port]", "BoudRate=13", "BitsSize=-1", "Parity=5", "StopBits=-1", "Streem=3"});
    comm = std::make_unique<TComm32>(std::make_unique<PortListTransport>(TwoPorts));
    comm->SetBaudRate(19200);
    comm->SetByteSize(ByteSizeSetting::sz_7);
    comm->SetParity(ParitySetting::pOdd);
    comm->SetStopBits(StopBitsSetting::sb2_0);
    comm->SetFlowControl(FlowControlSetting::fcSoftware);
    ApplyPortSettings(*comm, programDir(), dialogs, checkListBox1);
    EXPECT_EQ(PortStatusText(*comm), "/dev/ttyS0, 19200, 8, Xon/Xoff, нечет, 2");
}

TEST_F(ApplyPortSettingsTest, StoredPortNotPresentFallsBackToTheFirstListedSilently) {
    for (const QString& stored : {QString("/dev/ttyACM7"), QString("/DEV/TTYUSB0"), QString()}) {
        writeFile({"[Port]", "Port=" + stored});
        EXPECT_EQ(apply().CommPort(), "/dev/ttyS0") << stored.toStdString();
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ApplyPortSettingsTest, NoPortsShowsTheMessageAndKeepsTheStoredName) {
    writeFile({"[Port]", "Port=/dev/ttyUSB3", "BoudRate=4"});
    const TComm32& c = apply({});
    EXPECT_EQ(
        dialogs.messages(),
        QStringList{
            "В Вашей системе не установлено ни одного COM порта, обмен с устройствами работать не будет!"});
    EXPECT_TRUE(checkListBox1.isEmpty());
    EXPECT_EQ(PortStatusText(c), "/dev/ttyUSB3, 19200, 8, нет, нет, 1");
}

TEST(ChooseCommPortTest, StoredNameOnlyWhenListedExactly) {
    const QStringList listed = {"COM1", "COM3", "COM12"};
    struct Case {
        const char* stored;
        QStringList listed;
        const char* chosen;
    };
    const Case cases[] = {
        {"COM3", listed, "COM3"}, {"COM12", listed, "COM12"}, {"COM7", listed, "COM1"},
        {"com3", listed, "COM1"}, {"COM7", {}, "COM7"},       {"", listed, "COM1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseCommPort(c.stored, c.listed, "COM1"), c.chosen) << c.stored;
}
