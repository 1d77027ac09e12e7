#include "platform/scripted_dialogs.h"

namespace {

bool isBox(const ScriptedDialogs::Call& call) {
    using Kind = ScriptedDialogs::CallKind;
    return call.kind == Kind::Message || call.kind == Kind::Box || call.kind == Kind::Error;
}

ScriptedDialogs::Call makeCall(ScriptedDialogs::CallKind kind, const QString& text) {
    ScriptedDialogs::Call call;
    call.kind = kind;
    call.text = text;
    return call;
}

template <typename T> T takeOr(QQueue<T>& queue, T fallback) {
    return queue.isEmpty() ? fallback : queue.dequeue();
}

} // namespace

void ScriptedDialogs::record(const Call& call) {
    calls_.push_back(call);
    // The callback gets its own copy: a box it shows in turn may move the stored calls.
    if (OnShown)
        OnShown(call);
}

void ScriptedDialogs::showMessage(const QString& text) {
    record(makeCall(CallKind::Message, text));
}

BoxResult ScriptedDialogs::messageBox(const QString& text, const QString& caption, BoxKind kind,
                                      BoxButtons buttons) {
    Call call = makeCall(CallKind::Box, text);
    call.caption = caption;
    call.boxKind = kind;
    call.buttons = buttons;
    record(call);
    return takeOr(boxAnswers_, BoxResult::Ok);
}

void ScriptedDialogs::showError(const QString& text) {
    Call call = makeCall(CallKind::Error, text);
    call.boxKind = BoxKind::Error;
    record(call);
}

QString ScriptedDialogs::openFile(const FileDialogRequest& request) {
    Call call = makeCall(CallKind::OpenFile, request.fileName);
    call.request = request;
    record(call);
    return takeOr(openAnswers_, QString());
}

QString ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    Call call = makeCall(CallKind::SaveFile, request.fileName);
    call.request = request;
    record(call);
    return takeOr(saveAnswers_, QString());
}

QStringList ScriptedDialogs::messages() const {
    QStringList texts;
    for (const Call& call : calls_)
        if (isBox(call))
            texts << call.text;
    return texts;
}

QString ScriptedDialogs::lastMessage() const {
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it)
        if (isBox(*it))
            return it->text;
    return {};
}
