#include "platform/tedit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr char16_t BackspaceChar = 8;
constexpr char16_t PasteChar = 22; // Ctrl+V

bool isControl(QChar c) {
    return c.unicode() < 0x20;
}

// The characters the toolkit's key-press event sees for this key, or none for a key that produces
// no character.
QString toolkitChars(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QString(QChar(BackspaceChar));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(13));
    case Qt::Key_Escape:
        return QString(QChar(27));
    default:
        break;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool alt = event->modifiers() & Qt::AltModifier;
    const QString text = event->text();
    if (ctrl && !alt) {
        if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
            return QString(QChar(event->key() - Qt::Key_A + 1));
        // Other layouts still report the control character the system made of it.
        if (text.size() == 1 && text.at(0).unicode() != 0 && isControl(text.at(0)))
            return text;
        return {};
    }
    if (text.isEmpty())
        return {};
    for (QChar c : text)
        if (!c.isPrint())
            return {};
    return text;
}

// Alt with a character key is a menu accelerator: the field sees no character.
bool isAltCharacter(const QKeyEvent* event) {
    const auto mods = event->modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !event->text().isEmpty();
}

// A single-line field takes a pasted text up to its first line break.
QString firstLine(const QString& text) {
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? text : text.left(end);
}

} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    // Dropped text would bypass the key filter; the toolkit's edit fields take no drops either.
    setAcceptDrops(false);
}

void TEdit::SetText(const QString& text) {
    setText(cased(text));
}

QColor TEdit::Color() const {
    return palette().color(QPalette::Base);
}

void TEdit::SetColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

void TEdit::SetCharCase(TEditCharCase charCase) {
    charCase_ = charCase;
    if (charCase_ == TEditCharCase::ecUpperCase)
        setText(text().toUpper());
}

QString TEdit::cased(const QString& text) const {
    return charCase_ == TEditCharCase::ecUpperCase ? text.toUpper() : text;
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    if (isAltCharacter(event)) {
        event->ignore();
        return;
    }
    const QString chars = toolkitChars(event);
    if (chars.isEmpty()) {
        // Shift+Insert and the like paste without producing a character.
        if (event->matches(QKeySequence::Paste)) {
            event->accept();
            Paste();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (chars.size() == 1) {
        typeKey(chars.at(0), event);
        return;
    }
    for (QChar c : chars)
        typeKey(c, nullptr);
}

void TEdit::typeKey(QChar key, QKeyEvent* original) {
    if (OnKeyPress)
        OnKeyPress(key);
    if (key.isNull())
        return;
    if (isControl(key))
        controlAction(key, original);
    else if (key.isPrint())
        insertTyped(key);
}

// A control character that survived the filter does what it does in any edit field. When it is
// still the key that was pressed, the field handles the key itself (Enter, Escape, shortcuts).
void TEdit::controlAction(QChar key, QKeyEvent* original) {
    const bool unchanged = original && toolkitChars(original) == QString(key);
    if (key == PasteChar) {
        if (!isReadOnly())
            insertPlain(QGuiApplication::clipboard()->text());
        return;
    }
    if (unchanged) {
        QLineEdit::keyPressEvent(original);
        return;
    }
    switch (key.unicode()) {
    case BackspaceChar:
        if (!isReadOnly())
            backspace();
        break;
    case 1:
        selectAll();
        break;
    case 3:
        copy();
        break;
    case 24:
        if (!isReadOnly())
            cut();
        break;
    case 26:
        if (!isReadOnly())
            undo();
        break;
    case 13:
    case 27: {
        QKeyEvent synthetic(QEvent::KeyPress, key.unicode() == 13 ? Qt::Key_Return : Qt::Key_Escape,
                            Qt::NoModifier, QString(key));
        QLineEdit::keyPressEvent(&synthetic);
        if (original)
            original->setAccepted(synthetic.isAccepted());
        break;
    }
    default:
        break;
    }
}

void TEdit::insertTyped(QChar c) {
    if (isReadOnly())
        return;
    const QString s = cased(QString(c));
    if (maxLength_ > 0 && text().size() - selectedText().size() + s.size() > maxLength_)
        return;
    insert(s);
}

void TEdit::insertPlain(const QString& text) {
    QString s = cased(firstLine(text));
    if (maxLength_ > 0)
        s.truncate(std::max<qsizetype>(0, maxLength_ - (this->text().size() - selectedText().size())));
    if (!s.isEmpty() || hasSelectedText())
        insert(s);
}

// Pasted characters meet the filter one by one as if typed, so the handler's rules (length,
// allowed characters, case) hold for them too. Control characters other than backspace that
// survive do nothing here: a paste performs no editing commands.
void TEdit::typeText(const QString& text) {
    for (QChar c : text) {
        QChar key = c;
        if (OnKeyPress)
            OnKeyPress(key);
        if (key == BackspaceChar) {
            if (!isReadOnly())
                backspace();
        } else if (!key.isNull() && !isControl(key) && key.isPrint()) {
            insertTyped(key);
        }
    }
}

void TEdit::pasteFrom(const QString& text) {
    if (isReadOnly())
        return;
    if (OnKeyPress)
        typeText(text);
    else
        insertPlain(text);
}

void TEdit::Paste() {
    pasteFrom(QGuiApplication::clipboard()->text());
}

// The standard menu's paste action is found by its connection to QLineEdit::paste (Qt has made it
// both as a string and as a member-pointer connection), which holds in every language.
QMenu* TEdit::CreateContextMenu() {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        const bool isPaste = disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
                             disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        if (isPaste)
            connect(action, &QAction::triggered, this, &TEdit::Paste);
    }
    return menu;
}

void TEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Pasting the selection with the middle button (X11) goes through the filter like any paste.
void TEdit::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            pasteFrom(clipboard->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Text committed by an input method is typed text.
void TEdit::inputMethodEvent(QInputMethodEvent* event) {
    const bool plainCommit = !event->commitString().isEmpty() && event->preeditString().isEmpty() &&
                             event->replacementLength() == 0;
    if (!plainCommit || (!OnKeyPress && charCase_ == TEditCharCase::ecNormal)) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    event->accept();
    typeText(event->commitString());
}

void TEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    // A held key repeats its press but is released once, as far as the toolkit is concerned.
    if (!event->isAutoRepeat() && OnKeyUp)
        OnKeyUp(event->key());
}
