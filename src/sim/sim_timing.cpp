#include "sim/sim_timing.h"

double simBitsPerChar(const LineSettings& settings) {
    const double data = settings.byteSize == ByteSizeSetting::sz_7 ? 7 : 8;
    const double parity = settings.parity == ParitySetting::pNone ? 0 : 1;
    const double stop = settings.stopBits == StopBitsSetting::sb1_0   ? 1
                        : settings.stopBits == StopBitsSetting::sb1_5 ? 1.5
                                                                      : 2;
    return 1 + data + parity + stop;
}

double simCharMs(double bitsPerChar, int baud) {
    return baud > 0 ? bitsPerChar * 1000.0 / baud : 0;
}

double simByteDueMs(const SimReply& reply, int index, double charMs) {
    const int piece = reply.chunkSize > 0 ? index / reply.chunkSize : 0;
    return reply.delayMs + (index + 1) * charMs + piece * reply.chunkGapMs;
}

QList<QByteArray> simPieces(const SimReply& reply) {
    if (reply.chunkSize <= 0)
        return {reply.bytes};
    QList<QByteArray> pieces;
    for (qsizetype at = 0; at < reply.bytes.size(); at += reply.chunkSize)
        pieces.append(reply.bytes.mid(at, reply.chunkSize));
    return pieces;
}
