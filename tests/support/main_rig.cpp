#include "main_rig.h"

#include "link/frame.h"
#include "platform/cp1251_text.h"
#include "platform/log_list_box.h"
#include "platform/qt_serial_transport.h"

#include <QFile>
#include <QTest>

void WriteFile(const QString& path, const QString& text, bool cp1251) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(cp1251 ? EncodeCp1251(text) : text.toUtf8());
}

const QString MainRig::DefaultSettings = "[Port]\r\nPort=SIM\r\nStreem=2\r\n";

MainRig::MainRig(bool show, const QString& settingsIni) {
    if (!settingsIni.isEmpty())
        WriteFile(programDir() + "settings.ini", settingsIni);
    auto sim = std::make_unique<SimTransport>(bus);
    transport = sim.get();
    TMainOptions options;
    options.programDir = programDir();
    options.showSplash = false;
    main = std::make_unique<TMain>(dialogs, std::move(sim), options);
    if (show) {
        main->show();
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main.get()))
            main->FormActivate();
    }
}

MainRig::~MainRig() { main.reset(); }

QStringList MainRig::log() const { return main->ListBox1->Lines(); }

QStringList MainRig::wire() const {
    QStringList frames;
    for (const QByteArray& frame : bus.requests())
        frames << ContiguousText(frame);
    return frames;
}

std::unique_ptr<TMain> MainOnRealPort(const QString& programDir, Dialogs& dialogs) {
    TMainOptions options;
    options.programDir = programDir;
    options.showSplash = false;
    return std::make_unique<TMain>(dialogs, std::make_unique<QtSerialTransport>(), options);
}
