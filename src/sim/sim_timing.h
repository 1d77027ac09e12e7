#pragma once
// When the bytes of an answer are on the line: the device's delay, the time each character takes
// at the line speed, and the pauses between the pieces of an answer sent in chunks.
#include "platform/serial_transport.h"
#include "sim/sim_bus.h"

#include <QByteArray>
#include <QList>

// Start bit, data bits, parity bit, stop bits: 10 for 8N1, 11 with parity.
double simBitsPerChar(const LineSettings& settings);
double simCharMs(double bitsPerChar, int baud);

// Milliseconds from the end of the request until byte `index` of the answer has been sent.
double simByteDueMs(const SimReply& reply, int index, double charMs);

// The answer cut into the pieces the device sends (one piece unless it sends in chunks).
QList<QByteArray> simPieces(const SimReply& reply);
