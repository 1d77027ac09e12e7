#include "platform/dialogs.h"

#include "platform/file_filter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconFor(BoxKind kind) {
    switch (kind) {
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Warning:
        return QMessageBox::Warning;
    case BoxKind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void showOkBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

QString runFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // The toolkit's dialogs accept the name of a file that does not exist (the caller reports it
    // when it opens the file) and replace an existing file without asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(QDir(request.initialDir).absolutePath());
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = WithDefaultExt(dialog.selectedFiles().constFirst(), request.defaultExt);
    // Like the toolkit's dialogs, picking a file moves the current folder to the file's folder;
    // relative names used later (the help file) depend on it.
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}

} // namespace

void QtDialogs::showMessage(const QString& text) {
    showOkBox(parent_, QMessageBox::NoIcon, text);
}

BoxResult QtDialogs::messageBox(const QString& text, const QString& caption, BoxKind kind,
                                BoxButtons buttons) {
    const QMessageBox::StandardButtons standard =
        buttons == BoxButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    QMessageBox box(iconFor(kind), caption, text, standard, parent_);
    if (buttons == BoxButtons::OkCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? BoxResult::Ok : BoxResult::Cancel;
}

void QtDialogs::showError(const QString& text) {
    showOkBox(parent_, QMessageBox::Critical, text);
}

QString QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}
