#pragma once
// Finding the actions of a field's context menu.
#include <QAction>
#include <QMenu>

inline QAction* PasteAction(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (action->text().contains(QLatin1String("Paste")))
            return action;
    return nullptr;
}
