#include "platform/file_filter.h"

#include <QFileInfo>

QStringList QtNameFilters(const QString& toolkitFilter) {
    QStringList filters;
    if (toolkitFilter.isEmpty())
        return filters;
    const QStringList parts = toolkitFilter.split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& patternText = i + 1 < parts.size() ? parts.at(i + 1) : parts.at(i);
        QStringList patterns = patternText.split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns.join(u' '));
    }
    return filters;
}

QString WithDefaultExt(const QString& path, const QString& ext) {
    if (path.isEmpty() || ext.isEmpty() || QFileInfo(path).fileName().contains(u'.'))
        return path;
    return path + u'.' + ext;
}
