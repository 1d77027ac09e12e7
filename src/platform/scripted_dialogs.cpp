#include "platform/scripted_dialogs.h"

namespace {

bool isBox(const ScriptedDialogs::Call& call) {
    using Kind = ScriptedDialogs::CallKind;
    return call.kind == Kind::Message || call.kind == Kind::Box || call.kind == Kind::Error;
}

template <typename T>
T takeOr(QQueue<T>& queue, T fallback) {
    return queue.isEmpty() ? fallback : queue.dequeue();
}

} // namespace

void ScriptedDialogs::record(const Call& call) {
    calls_.push_back(call);
    // The callback gets its own copy: a box it shows in turn may move the stored calls.
    if (OnShown)
        OnShown(call);
}

void ScriptedDialogs::showMessage(const QString& text) { record({CallKind::Message, text}); }

BoxResult ScriptedDialogs::messageBox(const QString& text, const QString& caption, BoxKind kind,
                                      BoxButtons buttons) {
    record({CallKind::Box, text, caption, kind, buttons});
    return takeOr(boxAnswers_, BoxResult::Ok);
}

void ScriptedDialogs::showError(const QString& text) {
    record({CallKind::Error, text, {}, BoxKind::Error});
}

QString ScriptedDialogs::openFile(const FileDialogRequest& request) {
    record({CallKind::OpenFile, request.fileName, {}, {}, {}, request});
    return takeOr(openAnswers_, QString());
}

QString ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    record({CallKind::SaveFile, request.fileName, {}, {}, {}, request});
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
