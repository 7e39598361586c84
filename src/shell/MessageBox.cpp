#include "shell/MessageBox.h"

#include "controls/ControlFont.h"

#include <QResizeEvent>
#include <QShowEvent>

namespace numerava {

namespace {

// The font of the program's other small texts (the results list, the drill's notices).
constexpr int MessagePixels = 16;

class TMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        Centre();
        activateWindow();
    }
    // The box settles its size as it shows; it stays centred.
    void resizeEvent(QResizeEvent* event) override {
        QMessageBox::resizeEvent(event);
        if (isVisible()) Centre();
    }

private:
    // Centred on the asking window itself: without a window manager nobody else places it.
    void Centre() {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (owner == nullptr) return;
        const QRect area = owner->frameGeometry();
        const QSize box = frameGeometry().size();
        move(area.x() + (area.width() - box.width()) / 2, area.y() + (area.height() - box.height()) / 2);
    }
};

} // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons) {
    TMessageBox box(icon, QStringLiteral("Numerava"), text, buttons, window ? window->window() : nullptr);
    box.setTextFormat(Qt::PlainText);
    box.setFont(ControlFont("Tahoma", MessagePixels, true));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace numerava
