#pragma once
// TNVCustomButton: the painted ancestor of the push, radio and check buttons. A flat face in one
// colour with a one-pixel bevel, a centred caption of one or more lines and an optional picture on
// top. It has a pushed state with its own face colour and font; what pushes it is up to the
// descendants.

#include "controls/CaptionLayout.h"
#include "platform/Picture.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <string_view>

namespace numerava {

class TNVCustomButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Pushed READ Pushed WRITE SetPushed)
    Q_PROPERTY(QColor PushedColor READ PushedColor WRITE SetPushedColor)
    Q_PROPERTY(QFont PushedFont READ PushedFont WRITE SetPushedFont)
    Q_PROPERTY(QColor PushedFontColor READ PushedFontColor WRITE SetPushedFontColor)
    Q_PROPERTY(QColor GrayTextColor READ GrayTextColor WRITE SetGrayTextColor)
    Q_PROPERTY(int PictureLeft READ PictureLeft WRITE SetPictureLeft)
    Q_PROPERTY(int PictureTop READ PictureTop WRITE SetPictureTop)
    Q_PROPERTY(int PictureHeight READ PictureHeight WRITE SetPictureHeight)
    Q_PROPERTY(int PictureWidth READ PictureWidth WRITE SetPictureWidth)
    Q_PROPERTY(int TextDisplacement READ TextDisplacement WRITE SetTextDisplacement)
    Q_PROPERTY(bool PictureTransparent READ PictureTransparent WRITE SetPictureTransparent)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    explicit TNVCustomButton(QWidget* parent = nullptr);
    ~TNVCustomButton() override;

    // While the screen is building its controls: pushing notifies nobody and releases no radios.
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }

    bool Pushed() const { return pushed_; }
    // A change repaints and calls DoPush; setting the current value does nothing.
    void SetPushed(bool pushed);

    // Face colour and font while pushed; changes repaint only while the button is pushed.
    QColor PushedColor() const { return pushedColor_; }
    void SetPushedColor(const QColor& color);
    const QFont& PushedFont() const { return pushedFont_; }
    void SetPushedFont(const QFont& font);
    QColor PushedFontColor() const { return pushedFontColor_; }
    void SetPushedFontColor(const QColor& color);

    // The caption's colour while disabled; changes repaint only while disabled.
    QColor GrayTextColor() const { return grayTextColor_; }
    void SetGrayTextColor(const QColor& color);

    // The picture is a copy owned by the button. Every change of it applies PictureTransparent (to a
    // bitmap) and repaints.
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& picture);
    // Loads a file by the program's path ("Graphics\\destnik.wmf") into the picture.
    bool LoadPicture(std::string_view programPath, QString* error = nullptr);

    // Where the picture is stretched to, in pixels within the button.
    int PictureLeft() const { return pictureLeft_; }
    void SetPictureLeft(int left);
    int PictureTop() const { return pictureTop_; }
    void SetPictureTop(int top);
    int PictureHeight() const { return pictureHeight_; }
    void SetPictureHeight(int height);
    int PictureWidth() const { return pictureWidth_; }
    void SetPictureWidth(int width);

    // The caption is centred between this x and the right edge (room for a picture on the left).
    int TextDisplacement() const { return textDisplacement_; }
    void SetTextDisplacement(int displacement);

    // A transparent bitmap leaves out the colour of its bottom-left pixel. Metafiles ignore it.
    bool PictureTransparent() const { return pictureTransparent_; }
    void SetPictureTransparent(bool transparent);

    // "\r" (or "\r\n") breaks the caption into lines.
    const QString& Caption() const { return caption_; }
    // Where the caption's lines are drawn, in the pushed or the released font.
    TCaptionLayout CaptionLayout(bool pushed) const;
    void SetCaption(const QString& caption);
    void SetCaption(std::string_view utf8Caption);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);

    // Free for the screen's use (the area buttons carry their area number).
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

signals:
    // The pushed state changed (by the mouse or by code), except while loading.
    void OnPush(numerava::TNVCustomButton* sender);
    // Left button pressed and released over the button.
    void OnClick();

protected:
    // Notifies OnPush unless loading.
    virtual void DoPush();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The click: a left press arms it, a left release over the button delivers it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PictureChanged();

    bool loading_ = false;
    bool pushed_ = false;
    bool clickArmed_ = false;
    QColor pushedColor_{0, 0, 0};
    QFont pushedFont_;
    QColor pushedFontColor_{0, 0, 0};
    QColor grayTextColor_{0, 0, 0};
    TPicture picture_;
    int pictureLeft_ = 0;
    int pictureTop_ = 0;
    int pictureHeight_ = 0;
    int pictureWidth_ = 0;
    int textDisplacement_ = 0;
    bool pictureTransparent_ = false;
    QString caption_;
    QColor color_{0, 0, 0};
    QFont font_;
    QColor fontColor_{0, 0, 0};
    int tag_ = 0;
};

// Sets Loading on every button under `root` (a screen sets it before building, clears it after).
void SetButtonsLoading(QWidget* root, bool loading);

} // namespace numerava
