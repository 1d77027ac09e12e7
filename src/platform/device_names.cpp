#include "platform/device_names.h"

#include "platform/errors.h"

#ifdef Q_OS_WIN
#include <QByteArray>
#include <windows.h>
#endif

void NextToken(const QString& text, int& pos, QString& token) {
    if (pos < 1)
        throw ERangeError(QStringLiteral("aStartPos должен быть больше 0"));
    token.clear();
    if (pos > text.size())
        return;
    const qsizetype end = text.indexOf(QChar(0), pos - 1);
    if (end < 0)
        return;
    token = text.mid(pos - 1, end - (pos - 1));
    pos = int(end) + 2;
}

bool IsComName(const QString& name, const QString& prefix) {
    return name.startsWith(prefix, Qt::CaseInsensitive) && name.left(3).toUpper() == QLatin1String("COM");
}

QStringList ComNamesFromDeviceTable(const QString& table, const QString& prefix) {
    QStringList names;
    int pos = 1;
    QString name;
    for (NextToken(table, pos, name); !name.isEmpty(); NextToken(table, pos, name)) {
        if (IsComName(name, prefix))
            names.append(name);
    }
    return names;
}

QString LongComPortName(const QString& port) {
    const qsizetype at = port.indexOf(QLatin1String("COM"));
    if (at < 0)
        return port;
    const QString number = port.mid(at + 3);
    if (number.size() < 2)
        return port;
    return QStringLiteral("\\\\.\\COM") + number;
}

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

qsizetype digitRunEnd(const QString& s, qsizetype from) {
    while (from < s.size() && isDigit(s[from]))
        ++from;
    return from;
}

// Compares two runs of digits by value without converting them, so any length works.
int compareNumbers(QStringView a, QStringView b) {
    while (a.size() > 1 && a.front() == u'0')
        a = a.mid(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

bool NaturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const qsizetype ei = digitRunEnd(a, i);
            const qsizetype ej = digitRunEnd(b, j);
            const int order = compareNumbers(QStringView(a).mid(i, ei - i), QStringView(b).mid(j, ej - j));
            if (order != 0)
                return order < 0;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    if (i < a.size() || j < b.size())
        return j < b.size();
    return a < b;
}

#ifdef Q_OS_WIN
QString ReadDeviceNameTable() {
    // The system does not say how much room the table needs; grow until it fits.
    QByteArray buffer(5120, '\0');
    for (;;) {
        const DWORD length = QueryDosDeviceA(nullptr, buffer.data(), DWORD(buffer.size()));
        if (length != 0)
            return QString::fromLocal8Bit(buffer.constData(), qsizetype(length));
        const DWORD code = GetLastError();
        if (code != ERROR_INSUFFICIENT_BUFFER)
            throw EOSError(qt_error_string(int(code)));
        buffer.resize(buffer.size() + 1024);
    }
}
#endif
