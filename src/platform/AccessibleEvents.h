#pragma once
// Telling screen readers that what a control shows has changed, as Qt's own widgets do in their
// setters. Nothing is built or sent while no screen reader listens.

#include <QAccessible>
#include <QObject>
#include <QString>

#include <algorithm>

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

// A text field's text changed from `before` to `after`: typing at the end and deleting from it go
// as what was inserted or removed, so that a screen reader echoes one character, not the whole text.
inline void NotifyAccessibleTextChanged(QObject* object, const QString& before, const QString& after) {
    if (!QAccessible::isActive()) return;
    const auto start = static_cast<int>(std::min(before.size(), after.size()));
    if (after.size() > before.size() && after.startsWith(before)) {
        QAccessibleTextInsertEvent event(object, start, after.mid(start));
        QAccessible::updateAccessibility(&event);
    } else if (before.size() > after.size() && before.startsWith(after)) {
        QAccessibleTextRemoveEvent event(object, start, before.mid(start));
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(object, 0, before, after);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace numerava
