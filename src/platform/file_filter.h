#pragma once
// The file dialogs' conventions of the toolkit, translated for Qt's file dialog.
#include <QString>
#include <QStringList>

// Description|patterns pairs: "Text|*.txt;*.log|All|*.*" becomes {"Text (*.txt *.log)", "All (*.*)"},
// "*.tcf|*.tcf" becomes {"*.tcf (*.tcf)"}. A last description without patterns is its own pattern.
// Empty for an empty filter.
QStringList QtNameFilters(const QString& toolkitFilter);

// The path with "." + ext added when its file name has no extension of its own.
QString WithDefaultExt(const QString& path, const QString& ext);
