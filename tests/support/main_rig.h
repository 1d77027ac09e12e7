#pragma once
// A real main window, offscreen, with the in-process simulator as its serial port and the
// scripted dialogs, in a program directory of its own.
#include "app/tmain.h"
#include "platform/scripted_dialogs.h"
#include "sim/sim_bus.h"
#include "sim/sim_transport.h"

#include <QTemporaryDir>
#include <memory>

class MainRig {
public:
    static const QString DefaultSettings;
    // settingsIni: the text of "settings.ini" to put into the program directory first; empty for none.
    explicit MainRig(bool show = true, const QString& settingsIni = DefaultSettings);
    ~MainRig();

    QTemporaryDir dir;
    SimBus bus;
    SimTransport* transport;  // owned by the window's serial component
    ScriptedDialogs dialogs;
    std::unique_ptr<TMain> main;

    QString programDir() const { return dir.path() + "/"; }
    // The log's lines.
    QStringList log() const;
    // The request frames the simulator saw, as contiguous hex text.
    QStringList wire() const;
};

// A main window with the real serial component, in programDir, without the splash.
std::unique_ptr<TMain> MainOnRealPort(const QString& programDir, Dialogs& dialogs);

// Writes text into a file (UTF-8 as given, or Windows-1251 when cp1251 is set).
void WriteFile(const QString& path, const QString& text, bool cp1251 = false);
