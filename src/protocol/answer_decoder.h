#pragma once
// Puts each received answer into the answer panel and sends the next request of a poll.
#include <QString>

class AnswerPanel;
class FrameSender;
struct SharedState;

class AnswerDecoder {
public:
    AnswerDecoder(AnswerPanel& panel, SharedState& state, FrameSender& sender);

    // The address, function ("BadVersion2B" while an identification answer is awaited) and data
    // text of one answer, checksum digits included. Raises the errors of the table files and of
    // an impossible date; the common ending then does not run.
    void DecodeAnswer(const QString& address, const QString& function, const QString& data);

private:
    void registerRead(const QString& address, const QString& data);
    void identification(const QString& address, const QString& data);
    void clock(const QString& address, const QString& data);
    void date(const QString& data);
    void showRegister(bool status, uint8_t value);

    AnswerPanel& panel_;
    SharedState& state_;
    FrameSender& sender_;
};
