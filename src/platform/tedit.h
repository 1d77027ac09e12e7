#pragma once
// The program's edit field with the toolkit's key events. Every character the keyboard produces
// goes through OnKeyPress before it reaches the field, control characters included (Backspace 8,
// Enter 13, Escape 27, Ctrl+A 1 ... Ctrl+Z 26); the handler may change it, and QChar(0) drops it.
// Keys that produce no character (arrows, Delete, Home, End, F-keys) reach the field unfiltered.
// Pasted text goes through the same handler, character by character, unless it comes from a
// Ctrl+V that the handler let through. Text set by the program passes no filter and keeps the colour.
#include <QLineEdit>
#include <functional>

class QMenu;

enum class TEditCharCase { ecNormal, ecUpperCase };

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text);

    // The background colour (the palette's Base).
    QColor Color() const;
    void SetColor(const QColor& color);

    // Upper case: typed, pasted and program text is held and shown in upper case.
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);

    // The most characters the user can type or paste (0: no limit). Like the toolkit's limit it
    // does not cut text set by the program; use it rather than QLineEdit::setMaxLength.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length < 0 ? 0 : length; }

    // Pastes the clipboard as the context menu does: through OnKeyPress when it is set.
    void Paste();
    // The context menu the field shows, with its paste action routed through Paste().
    QMenu* CreateContextMenu();

    // Each character before it reaches the field (see above).
    std::function<void(QChar& key)> OnKeyPress;
    // After every key release (not the repeats of a held key), with the Qt key code.
    std::function<void(int key)> OnKeyUp;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void typeKey(QChar key, QKeyEvent* original);
    void typeText(const QString& text);
    void insertTyped(QChar c);
    void insertPlain(const QString& text);
    void pasteFrom(const QString& text);
    void controlAction(QChar key, QKeyEvent* original);
    QString cased(const QString& text) const;

    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    int maxLength_ = 0;
};
