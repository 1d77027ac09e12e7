#include "sim/sim_transport.h"

#include "sim/sim_timing.h"

#include <QTimer>
#include <cmath>

SimTransport::SimTransport(SimBus& bus) : bus_(bus) {}

OpenFailure SimTransport::open(const LineSettings& settings) {
    if (openFailure_ != OpenFailure::None)
        return openFailure_;
    settings_ = settings;
    open_ = true;
    ++openCount_;
    return OpenFailure::None;
}

void SimTransport::close() {
    if (!open_)
        return;
    open_ = false;
    ++generation_;
    ++closeCount_;
}

bool SimTransport::apply(const LineSettings& settings) {
    if (applyResult_)
        settings_ = settings;
    return applyResult_;
}

QStringList SimTransport::availablePorts(const QString&) const {
    return ports_;
}

bool SimTransport::write(const QByteArray& bytes) {
    if (!open_)
        return false;
    const double charMs = wireTime_ ? simCharMs(simBitsPerChar(settings_), settings_.baudRate) : 0;
    const double requestMs = bytes.size() * charMs;
    for (const SimReply& reply : bus_.submit(bytes)) {
        int sent = 0;
        for (const QByteArray& piece : simPieces(reply)) {
            sent += static_cast<int>(piece.size());
            const double due = requestMs + simByteDueMs(reply, sent - 1, charMs);
            QTimer::singleShot(static_cast<int>(std::ceil(due)), Qt::PreciseTimer, &timers_,
                               [this, piece, generation = generation_] { deliver(piece, generation); });
        }
    }
    return true;
}

void SimTransport::deliver(const QByteArray& piece, int generation) {
    if (open_ && generation == generation_ && onReceived)
        onReceived(piece);
}

void SimTransport::deviceGone(const QString& systemText) {
    close();
    if (onFailure)
        onFailure(systemText);
}
