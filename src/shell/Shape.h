#pragma once
// A rectangle shape as the screens use it for their coloured borders: filled with the brush and
// outlined with the pen, inset by half the pen width.

#include <QColor>
#include <QWidget>

namespace numerava {

class TShape : public QWidget {
public:
    explicit TShape(QWidget* parent = nullptr);

    void SetBrushColor(QColor color);
    void SetPen(QColor color, int width, bool visible = true);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
    bool penVisible_ = true;
};

} // namespace numerava
