#include "platform/tmymaskedit.h"

namespace {

// Qt's mask letters are the other way round from the toolkit's: in Qt '9' is a required digit and
// '0' an optional one. So the toolkit's "90:00" is Qt's "09:99", with "_" shown for a blank.
// Qt keeps an optional position in place when it is left empty, which is the toolkit's "!".
const char* const QtMask = "09:99;_";
constexpr QChar ShownBlank = u'_';

} // namespace

TMyMaskEdit::TMyMaskEdit(QWidget* parent) : QLineEdit(parent) {
    setInputMask(QString::fromLatin1(QtMask));
}

// QLineEdit::text() drops the unfilled positions; the program reads the field by position.
QString TMyMaskEdit::Text() const {
    QString shown = displayText();
    shown.replace(ShownBlank, u' ');
    return shown;
}

void TMyMaskEdit::SetText(const QString& text) {
    QString positions = text;
    positions.replace(u' ', ShownBlank);
    setText(positions);
}
