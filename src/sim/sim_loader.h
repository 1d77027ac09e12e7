#pragma once
// The device's firmware loader (function EA). "H" starts a load and is answered with a letter;
// then each Intel HEX record arrives as the characters of one line and is answered with a letter
// that tells the sender how to go on.
#include <QByteArray>
#include <QList>
#include <optional>

// Makes the loader give `letter` in place of its own answer to the record line number `line`
// (1 = first line after the start), `times` transmissions in a row: 'R' asks for the same line
// again (after `times` repeats the line is taken as usual), 'E' reports an error, 'F' or 'O'
// says the device has finished, '\0' leaves the line unanswered. line 0 switches it off.
struct SimLoaderFault {
    int line = 0;
    char letter = 'R';
    int times = 1;
};

class SimLoader {
public:
    // The answer to the start request: 'S' accepts, 'E' reports an error.
    char startLetter = 'S';
    SimLoaderFault fault;

    static constexpr char Start = 'H';

    // The letter to answer with; nullopt for no answer.
    std::optional<char> start();
    std::optional<char> record(const QByteArray& characters);

    bool loading() const { return loading_; }
    bool finished() const { return finished_; }
    // The records taken since the last start, without their line end.
    const QList<QByteArray>& records() const { return records_; }

private:
    std::optional<char> acceptRecord(const QByteArray& record);

    bool loading_ = false;
    bool finished_ = false;
    bool repeatAsked_ = false;
    int line_ = 0;
    int faultsGiven_ = 0;
    QList<QByteArray> records_;
};

// True for ":" + byte count + address + type + data + checksum whose bytes add up to 0.
bool isIntelHexRecord(const QByteArray& record);
