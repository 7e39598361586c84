#include "shell/FormsCloseQuery.h"

#include "controls/ControlFont.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaLabel.h"
#include "core/Language.h"
#include "shell/Shape.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace numerava {

namespace {

const QColor Orange(255, 170, 17);
const QColor Green(0, 128, 0);

void StyleButton(TNumeravaButton* button, QColor color, const QString& caption) {
    button->SetColor(color);
    button->SetPushedColor(color);
    button->SetFont(ControlFont("Tahoma", 19, true));
    button->SetPushedFont(ControlFont("Tahoma", 19, true));
    button->SetPushedFontColor(Qt::white);
    button->SetCaption(caption);
    button->setCursor(Qt::PointingHandCursor);
}

} // namespace

TfrmCloseQuery::TfrmCloseQuery(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), shpOuter_(new TShape(this)),
      shpInner_(new TShape(this)), pnlFrames_(new QWidget(this)), nvlblQuery_(new TNumeravaLabel(pnlFrames_)),
      nvbtnYes_(new TNumeravaButton(pnlFrames_)), nvbtnNo_(new TNumeravaButton(pnlFrames_)) {
    setModal(true);
    resize(382, 116);
    shpOuter_->SetBrushColor(Qt::yellow);
    shpOuter_->SetPen(Qt::red, 4);
    shpInner_->SetBrushColor(QColor(128, 0, 0));
    shpInner_->SetPen(Qt::black, 10, false);
    pnlFrames_->setAutoFillBackground(true);
    QPalette palette = pnlFrames_->palette();
    palette.setColor(QPalette::Window, Orange);
    pnlFrames_->setPalette(palette);

    nvlblQuery_->setGeometry(12, 12, 338, 41);
    nvlblQuery_->SetAutoSize(false);
    nvlblQuery_->SetFont(ControlFont("Tahoma", 19, true));
    nvlblQuery_->SetShadowColor(Qt::black);
    nvlblQuery_->SetShadowOffset(0);
    nvlblQuery_->SetWordWrap(true);

    nvbtnYes_->setGeometry(153, 63, 97, 29);
    nvbtnNo_->setGeometry(261, 63, 97, 29);
    StyleButton(nvbtnYes_, Qt::red, QString::fromUtf8(ByLanguage("Ano", "Áno")));
    StyleButton(nvbtnNo_, Green, QString::fromUtf8(ByLanguage("Ne", "Nie")));
    SetQuestion(
        QString::fromUtf8(ByLanguage("Opravdu chceš ukončit Numerava?", "Naozaj chceš skončiť Numerava?")));

    connect(nvbtnYes_, &TNumeravaButton::OnClick, this, [this] { done(ResultYes); });
    connect(nvbtnNo_, &TNumeravaButton::OnClick, this, [this] { done(ResultNo); });
}

void TfrmCloseQuery::SetQuestion(const QString& question) {
    nvlblQuery_->SetCaption(question);
    setAccessibleName(question); // the frameless dialog has no title a screen reader could say
}

void TfrmCloseQuery::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: done(ResultYes); break;
    case Qt::Key_Escape: done(ResultNo); break;
    default: QDialog::keyPressEvent(event); break;
    }
}

void TfrmCloseQuery::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The border fills the form; the panel and its controls follow the form's size (the buttons
    // are anchored to the right and bottom).
    shpOuter_->setGeometry(rect());
    shpInner_->setGeometry(rect());
    const QSize panel(width() - 16, height() - 16);
    const int dx = panel.width() - 366;
    const int dy = panel.height() - 100;
    pnlFrames_->setGeometry(8, 8, panel.width(), panel.height());
    nvlblQuery_->resize(338 + dx, 41 + dy);
    nvbtnYes_->move(153 + dx, 63 + dy);
    nvbtnNo_->move(261 + dx, 63 + dy);
    pnlFrames_->raise();
}

void TfrmCloseQuery::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    activateWindow();
    setFocus();
}

} // namespace numerava
