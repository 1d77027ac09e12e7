#pragma once
// The rules of the request fields that need no widget: which typed characters each field takes,
// when its content counts as acceptable, and the base conversions behind the HEX boxes.
#include <QChar>
#include <QString>

enum class RequestField { Address, Command, Data };

constexpr char16_t BackspaceKey = 8;
// Above this a decimal address or command does not fit its byte.
constexpr int MaxRequestByte = 255;

// The key as the field takes it: unchanged, upper-cased (a-f), turned into a backspace, or QChar(0)
// when the field refuses it. text is the field's whole text, selected characters included, so a
// full field cannot be overtyped through a selection. hex is the field's mode (ignored for Data).
QChar FilterRequestKey(RequestField field, bool hex, const QString& text, QChar key);

// True while the content is acceptable (window colour), false while it is incomplete or too long
// (error colour). A decimal command is also read as a number: raises EConvertError when it is not.
bool RequestTextAcceptable(RequestField field, bool hex, const QString& text);

// The address in decimal mode turns into hex as soon as it holds a lone 0.
bool IsLoneZero(const QString& text);

// Decimal text as upper-case hex with at least two digits (7 gives 07, 300 gives 12C).
// Raises EConvertError for a text that is not a decimal number.
QString DecimalToHexText(const QString& text);
// Hex text as decimal without leading zeros (0A gives 10, 00 gives 0).
// Raises EConvertError for a text that is not hex.
QString HexToDecimalText(const QString& text);
