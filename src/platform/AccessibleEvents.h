#pragma once
// Telling screen readers that what a control shows has changed, as Qt's own widgets do in their
// setters. Nothing is built or sent while no screen reader listens.

#include <QAccessible>
#include <QObject>
#include <QString>

namespace numerava {

inline void NotifyAccessibleNameChanged(QObject* object) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

inline void NotifyAccessibleStateChanged(QObject* object, QAccessible::State changed) {
    if (!QAccessible::isActive()) return;
    QAccessibleStateChangeEvent event(object, changed);
    QAccessible::updateAccessibility(&event);
}

// A text field's whole text was replaced.
inline void NotifyAccessibleTextChanged(QObject* object, const QString& before, const QString& after) {
    if (!QAccessible::isActive()) return;
    QAccessibleTextUpdateEvent event(object, 0, before, after);
    QAccessible::updateAccessibility(&event);
}

} // namespace numerava
