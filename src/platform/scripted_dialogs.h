#pragma once
// The test double of the dialog seam: records every box and file dialog in order and answers them
// from queues, so a test can script the user and check the exact texts shown.
#include "platform/dialogs.h"

#include <QQueue>
#include <functional>
#include <vector>

class ScriptedDialogs : public Dialogs {
public:
    enum class CallKind { Message, Box, Error, OpenFile, SaveFile };

    struct Call {
        CallKind kind = CallKind::Message;
        QString text;    // the box's text; for a file dialog its request's file name
        QString caption; // messageBox only
        BoxKind boxKind = BoxKind::Information;
        BoxButtons buttons = BoxButtons::Ok;
        FileDialogRequest request; // file dialogs only
    };

    void showMessage(const QString& text) override;
    BoxResult messageBox(const QString& text, const QString& caption, BoxKind kind,
                         BoxButtons buttons) override;
    void showError(const QString& text) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

    // Answers used in the order the boxes close (a box shown from OnShown closes before the box
    // that was up); when a queue is empty, boxes answer Ok and file dialogs are cancelled.
    void queueBoxAnswer(BoxResult answer) { boxAnswers_.enqueue(answer); }
    void queueOpenFile(const QString& path) { openAnswers_.enqueue(path); }
    void queueSaveFile(const QString& path) { saveAnswers_.enqueue(path); }

    // Run for every call while its box or dialog is "up", after it was recorded and before it
    // answers: the state a modal box would see.
    std::function<void(const Call& call)> OnShown;

    const std::vector<Call>& calls() const { return calls_; }
    // The texts of all message boxes (plain, with buttons, errors) in the order shown.
    QStringList messages() const;
    // The text of the last message box; empty when none was shown.
    QString lastMessage() const;
    // Forgets the recorded calls; queued answers stay.
    void clear() { calls_.clear(); }

private:
    void record(const Call& call);

    std::vector<Call> calls_;
    QQueue<BoxResult> boxAnswers_;
    QQueue<QString> openAnswers_;
    QQueue<QString> saveAnswers_;
};
