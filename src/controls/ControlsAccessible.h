#pragma once
// Screen readers see the house controls through Qt's accessibility interface like Qt's own
// widgets: the buttons as push buttons, radio buttons and check boxes named by their captions, with
// their pushed state and a press action; the shadowed label as static text; the answer field as an
// editable text named "Odpověď" ("Odpoveď") whose value is what was typed; the image control as a
// graphic named by its accessible name or tooltip.

class QString;
class QWidget;

namespace numerava {

// Installs the interfaces. Call once after the application is created, before any control is
// asked for its interface (Qt keeps the first interface it made for a widget).
void InstallControlsAccessibility();

// Tells a screen-reader user news about `field`, such as the verdict on an answer: `text` becomes the
// field's accessible description and an alert is raised. An empty text clears the description
// without an alert; the same text again says nothing.
void Announce(QWidget* field, const QString& text);

} // namespace numerava
