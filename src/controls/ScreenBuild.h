#pragma once
// Small helpers the screens use to build their controls from the layout tables, and the image control.

#include "controls/NumeravaButton.h"
#include "controls/NumeravaLabel.h"
#include "platform/Picture.h"

#include <QLabel>
#include <QRect>

namespace numerava {

inline const QColor Orange(255, 170, 17);
inline const QColor Navy(0, 0, 128);
inline const QColor ClGreen(0, 128, 0);
inline const QColor Lime(0, 255, 0);
inline const QColor Maroon(128, 0, 0);
inline const QColor ButtonYellow(227, 232, 47);

void SetBackground(QWidget* widget, QColor color);

// Gives any of the house buttons (push, radio, check) its look and place: Tahoma bold captions,
// white 19-pixel pushed font, grey disabled text.
void StyleButton(TNVCustomButton* button, QRect geometry, QColor color, QColor pushedColor,
                 const QString& caption, int fontPixels = 19);

template <typename Button>
Button* MakeStyledButton(QWidget* parent, QRect geometry, QColor color, QColor pushedColor,
                         const QString& caption, int fontPixels = 19) {
    auto* button = new Button(parent);
    StyleButton(button, geometry, color, pushedColor, caption, fontPixels);
    return button;
}

// A push button with the house look: Tahoma bold captions, white pushed font.
TNumeravaButton* MakeButton(QWidget* parent, QRect geometry, QColor color, QColor pushedColor,
                            const QString& caption, int fontPixels = 19);

TNumeravaLabel* MakeShadowLabel(QWidget* parent, QRect geometry, const QString& caption, int fontPixels,
                                QColor color, QColor shadowColor, int shadowOffset, bool bold = true);

// A plain label at a position, sized to its text (Tahoma unless another face is named).
QLabel* MakeLabel(QWidget* parent, QPoint position, const QString& text, int fontPixels, bool bold,
                  QColor color = Qt::black, std::string_view face = "Tahoma");

// An image control: a picture (bitmap or metafile) drawn stretched over the control; clickable.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr) : QWidget(parent) {}
    ~TImage() override { picture_.AbandonPrepared(); }
    // Loads by the program's path ("Graphics\\soutez.jpg") or a resource path (":/flag_cz.bmp").
    bool Load(std::string_view path);
    void SetPicture(TPicture picture);
    const TPicture& Picture() const { return picture_; }
    // Keeps the picture's proportions, centred in the control, instead of filling it.
    void SetProportional(bool proportional);

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TPicture picture_;
    bool proportional_ = false;
};

TImage* MakeImage(QWidget* parent, QRect geometry, std::string_view path);

inline QString Utf8(const char* text) { return QString::fromUtf8(text); }

} // namespace numerava
