#include "commands/request_field_rules.h"

#include "link/frame.h"

namespace {

bool isDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c) {
    return isDecimalDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// Two hex digits make a byte; decimal needs up to three.
int lengthLimit(RequestField field, bool hex) {
    if (field == RequestField::Data)
        return -1;
    return hex ? 2 : 3;
}

} // namespace

bool IsLoneZero(const QString& text) {
    return text.trimmed() == u"0";
}

QChar FilterRequestKey(RequestField field, bool hex, const QString& text, QChar key) {
    if (key == QChar(BackspaceKey))
        return key;
    // Control characters would otherwise copy, cut or paste past the filter.
    if (key.unicode() < 0x20)
        return QChar(0);
    const bool hexField = hex || field == RequestField::Data;
    if (field == RequestField::Address && !hexField && IsLoneZero(text))
        return QChar(BackspaceKey);
    const int limit = lengthLimit(field, hexField);
    if (limit >= 0 && text.size() >= limit)
        return QChar(0);
    if (hexField)
        return isHexDigit(key) ? key.toUpper() : QChar(0);
    if (!isDecimalDigit(key))
        return QChar(0);
    // A decimal command starts with no leading zero.
    if (field == RequestField::Command && text.isEmpty() && key == u'0')
        return QChar(0);
    return key;
}

bool RequestTextAcceptable(RequestField field, bool hex, const QString& text) {
    if (text.isEmpty())
        return true;
    if (hex || field == RequestField::Data)
        return text.size() % 2 == 0;
    if (text.size() > 3)
        return false;
    // A decimal address above 255 is only refused when it is read for a request.
    return field == RequestField::Address || StrToInt(text) <= MaxRequestByte;
}

QString DecimalToHexText(const QString& text) {
    return HexByte(StrToInt(text));
}

QString HexToDecimalText(const QString& text) {
    return QString::number(HexStrToInt(text));
}
