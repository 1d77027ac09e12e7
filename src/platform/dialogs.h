#pragma once
// The one seam through which the program shows message boxes and file dialogs. The program uses
// QtDialogs; tests use ScriptedDialogs (scripted_dialogs.h), which records every text and answers.
#include <QString>
#include <QStringList>

class QWidget;

enum class BoxKind { Information, Warning, Error };
enum class BoxButtons { Ok, OkCancel };
enum class BoxResult { Ok, Cancel };

struct FileDialogRequest {
    QString filter;       // toolkit form "*.tcf|*.tcf"; empty for none
    QString defaultExt;   // without dot; empty for none
    QString initialDir;   // "." is the current folder; empty for none
    QString fileName;     // the dialog's current file name
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain message with an OK button (the toolkit's ShowMessage).
    virtual void showMessage(const QString& text) = 0;
    // A message box of a given kind and buttons; Escape and the close box answer Cancel.
    virtual BoxResult messageBox(const QString& text, const QString& caption, BoxKind kind,
                                 BoxButtons buttons) = 0;
    // The error box for an error a handler did not catch.
    virtual void showError(const QString& text) = 0;
    // File dialogs: the chosen full path, or an empty text when the user cancelled.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};

// Real boxes and dialogs, parented to a window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const QString& text) override;
    BoxResult messageBox(const QString& text, const QString& caption, BoxKind kind,
                         BoxButtons buttons) override;
    void showError(const QString& text) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};
