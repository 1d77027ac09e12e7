#pragma once
// The two background colours of the number fields.
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

// The system's window colour: the normal background of an edit field.
inline QColor WindowColor() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
}

// The hint that a field's content is not acceptable yet (a light orange).
inline QColor ErrorColor() {
    return QColor(255, 218, 185);
}
