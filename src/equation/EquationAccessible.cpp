#include "equation/EquationAccessible.h"

#include "core/Language.h"
#include "equation/MarkupSpeech.h"
#include "equation/NumeravaEquation.h"

#include <QAccessibleWidget>

namespace numerava {

namespace {

class TEquationAccessible : public QAccessibleWidget {
public:
    explicit TEquationAccessible(TNumeravaEquation* equation)
        : QAccessibleWidget(equation, QAccessible::StaticText) {}

    // Read when asked, so that a change of the language or of the formula is heard at once.
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        const auto* equation = static_cast<const TNumeravaEquation*>(widget());
        return QString::fromStdString(SpeakMarkup(
            equation->Text(), Language, equation->WordWrap() ? TSpeechStyle::Prose : TSpeechStyle::Formula));
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty()) state.invisible = true;
        return state;
    }
};

QAccessibleInterface* EquationFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (className != QLatin1String(TNumeravaEquation::staticMetaObject.className())) return nullptr;
    return new TEquationAccessible(static_cast<TNumeravaEquation*>(object));
}

} // namespace

void InstallEquationAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(EquationFactory);
        return true;
    }();
    (void)installed;
}

} // namespace numerava
