#include "protocol/text_trim.h"

namespace {

bool isBlankOrControl(QChar ch) {
    return ch.unicode() <= ' ';
}

} // namespace

QString TrimBlanksAndControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}
