#include "controls/ControlsAccessible.h"

#include "controls/NumeravaButton.h"
#include "controls/NumeravaCheck.h"
#include "controls/NumeravaEdit.h"
#include "controls/NumeravaLabel.h"
#include "controls/NumeravaRadio.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

namespace numerava {

namespace {

// A caption on one line: line breaks and runs of spaces become single spaces.
QString OneLine(const QString& caption) { return caption.simplified(); }

// "&&" shows one ampersand and "&x" underlines x: the name has neither mark.
QString WithoutAccelerators(const QString& caption) {
    QString result;
    result.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // The mark goes; the character after it stays, so "&&" keeps one ampersand.
        if (caption[i] == u'&' && ++i == caption.size()) break;
        result += caption[i];
    }
    return result;
}

// Whether nothing of the widget lies within its parents, as the sixth row of a four-row panel:
// Qt still calls it visible, but nobody sees it.
bool ClippedAway(const QWidget* widget) {
    QRect shown = widget->rect();
    for (const QWidget* child = widget; !child->isWindow() && child->parentWidget() != nullptr;
         child = child->parentWidget()) {
        shown = shown.translated(child->pos()) & child->parentWidget()->rect();
        if (shown.isEmpty()) return true;
    }
    return shown.isEmpty();
}

// The state Qt gives a widget, with what nobody sees (a control clipped away, or one that shows
// nothing) as invisible, so that screen readers leave it out as well.
QAccessible::State Seen(QAccessible::State state, const QWidget* widget, bool showsNothing = false) {
    if (showsNothing || ClippedAway(widget)) state.invisible = true;
    return state;
}

// The push, radio and check buttons. Pushing by a screen reader's action does what a click does.
class TButtonAccessible : public QAccessibleWidget {
public:
    TButtonAccessible(TNVCustomButton* button, QAccessible::Role role) : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return OneLine(Button()->Caption());
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = Seen(QAccessibleWidget::state(), widget());
        if (role() == QAccessible::PushButton) {
            state.pressed = Button()->Pushed();
        } else {
            state.checkable = true;
            state.checked = Button()->Pushed();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(role() == QAccessible::PushButton ? pressAction() : toggleAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action != pressAction() && action != toggleAction()) return QAccessibleWidget::doAction(action);
        if (!widget()->isEnabled() || !widget()->isVisible()) return;
        TNVCustomButton* button = Button();
        // A radio stays pushed, a check button flips, a push button only clicks.
        if (qobject_cast<TNumeravaRadio*>(button)) button->SetPushed(true);
        else if (qobject_cast<TNumeravaCheck*>(button)) button->SetPushed(!button->Pushed());
        emit button->OnClick();
    }

private:
    TNVCustomButton* Button() const { return static_cast<TNVCustomButton*>(widget()); }
};

// The shadowed label. A label without text shows nothing, so it is not presented either.
class TLabelAccessible : public QAccessibleWidget {
public:
    explicit TLabelAccessible(TNumeravaLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        const auto* label = static_cast<const TNumeravaLabel*>(widget());
        return OneLine(label->ShowAccelChar() ? WithoutAccelerators(label->Caption()) : label->Caption());
    }

    QAccessible::State state() const override {
        return Seen(QAccessibleWidget::state(), widget(), text(QAccessible::Name).isEmpty());
    }
};

// The answer field: what was typed is its value and its text; the caret always stands after it.
class TEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TEditAccessible(TNumeravaEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return Edit()->Text();
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString::fromUtf8(ByLanguage("Odpověď", "Odpoveď"));
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = Seen(QAccessibleWidget::state(), widget());
        state.editable = true;
        return state;
    }

    // Text interface: read-only for the screen reader, without a selection.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return Edit()->Text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Edit()->Text().size()); }
    QRect characterRect(int offset) const override {
        const QString& text = Edit()->Text();
        if (offset < 0 || offset >= text.size()) return {};
        const QFontMetrics metrics(Edit()->Font());
        const QPoint topLeft(metrics.horizontalAdvance(text.left(offset)),
                             (widget()->height() - metrics.height()) / 2);
        return {widget()->mapToGlobal(topLeft),
                QSize(metrics.horizontalAdvance(text.at(offset)), metrics.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        for (int offset = 0; offset < characterCount(); ++offset)
            if (characterRect(offset).contains(point)) return offset;
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const TNumeravaEdit* Edit() const { return static_cast<const TNumeravaEdit*>(widget()); }
};

// The image control: named by its accessible name, else by its tooltip. An image showing the
// pointing hand can be clicked, so it offers the press action.
class TImageAccessible : public QAccessibleWidget {
public:
    explicit TImageAccessible(TImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return widget()->toolTip();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override { return Seen(QAccessibleWidget::state(), widget()); }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Clickable()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (Clickable() && widget()->isVisible()) emit static_cast<TImage*>(widget())->OnClick();
    }

private:
    bool Clickable() const {
        return widget()->isEnabled() && widget()->testAttribute(Qt::WA_SetCursor) &&
               widget()->cursor().shape() == Qt::PointingHandCursor;
    }
};

QAccessibleInterface* ControlsFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    const auto is = [&className](const QMetaObject& type) {
        return className == QLatin1String(type.className());
    };
    if (is(TNumeravaButton::staticMetaObject) || is(TNVCustomButton::staticMetaObject))
        return new TButtonAccessible(static_cast<TNVCustomButton*>(object), QAccessible::PushButton);
    if (is(TNumeravaRadio::staticMetaObject))
        return new TButtonAccessible(static_cast<TNVCustomButton*>(object), QAccessible::RadioButton);
    if (is(TNumeravaCheck::staticMetaObject))
        return new TButtonAccessible(static_cast<TNVCustomButton*>(object), QAccessible::CheckBox);
    if (is(TNumeravaLabel::staticMetaObject))
        return new TLabelAccessible(static_cast<TNumeravaLabel*>(object));
    if (is(TNumeravaEdit::staticMetaObject)) return new TEditAccessible(static_cast<TNumeravaEdit*>(object));
    if (is(TImage::staticMetaObject)) return new TImageAccessible(static_cast<TImage*>(object));
    return nullptr;
}

} // namespace

void InstallControlsAccessibility() {
    // Qt asks each factory for each class from the most derived one up, so a subclass of a house
    // control is served by the nearest house class.
    static const bool installed = [] {
        QAccessible::installFactory(ControlsFactory);
        return true;
    }();
    (void)installed;
}

void Announce(QWidget* field, const QString& text) {
    if (field->accessibleDescription() == text) return;
    field->setAccessibleDescription(text); // which tells screen readers that it changed
    if (text.isEmpty() || !QAccessible::isActive()) return;
    QAccessibleEvent alert(field, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace numerava
