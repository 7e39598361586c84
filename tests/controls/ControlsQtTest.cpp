// The owner-drawn controls: pushed states and their notifications, mouse handling, painting
// (checked on grabbed pixels), the label's shadow and the answer field's width, keys and caret.

#include "controls/ControlFont.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaCheck.h"
#include "controls/NumeravaEdit.h"
#include "controls/NumeravaLabel.h"
#include "controls/NumeravaRadio.h"
#include "platform/Caret.h"
#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace numerava;

Q_DECLARE_METATYPE(QList<QPoint>)

namespace {

const QColor Face(200, 100, 50);
const QColor PushedFace(10, 240, 101);
const QColor Ink(0, 0, 255);
const QColor PushedInk(255, 255, 255);
const QColor Gray(128, 128, 128);

QFont TestFont() { return ControlFont("Tahoma", 30, true); }

void Style(TNVCustomButton& button, const QString& caption) {
    button.resize(205, 47);
    button.SetColor(Face);
    button.SetPushedColor(PushedFace);
    button.SetFont(TestFont());
    button.SetPushedFont(TestFont());
    button.SetFontColor(Ink);
    button.SetPushedFontColor(PushedInk);
    button.SetGrayTextColor(Gray);
    button.SetCaption(caption);
}

QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

int CountColor(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == color;
    return count;
}

// The bounds of the pixels inside `area` that differ from `background`.
QRect InkBounds(const QImage& image, const QColor& background, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != background) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint position) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(position), QPointF(widget.mapToGlobal(position)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void Click(QWidget& widget, QPoint position = {5, 5}) {
    SendMouse(widget, QEvent::MouseButtonPress, position);
    SendMouse(widget, QEvent::MouseButtonRelease, position);
}

// The largest difference of one colour channel between two images of the same size.
int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

} // namespace

class ControlsQtTest : public QObject {
    Q_OBJECT

private slots:
    void pushedNotifiesOnlyRealChanges() {
        TNumeravaButton button;
        QSignalSpy pushes(&button, &TNVCustomButton::OnPush);
        button.SetPushed(false);
        QCOMPARE(pushes.count(), 0);
        button.SetPushed(true);
        button.SetPushed(true);
        QCOMPARE(pushes.count(), 1);
        QCOMPARE(pushes.at(0).at(0).value<TNVCustomButton*>(), &button);
        button.SetPushed(false);
        QCOMPARE(pushes.count(), 2);
    }

    void loadingNotifiesNothingAndReleasesNoRadio() {
        QWidget screen;
        TNumeravaRadio first(&screen), second(&screen);
        first.SetRadioGroup(1);
        second.SetRadioGroup(1);
        QSignalSpy firstPushes(&first, &TNVCustomButton::OnPush),
            secondPushes(&second, &TNVCustomButton::OnPush);
        SetButtonsLoading(&screen, true);
        first.SetPushed(true);
        second.SetPushed(true);
        SetButtonsLoading(&screen, false);
        QVERIFY(first.Pushed() && second.Pushed());
        QCOMPARE(firstPushes.count() + secondPushes.count(), 0);
    }

    void radioReleasesItsGroupBeforeNotifyingItself() {
        QWidget screen, otherScreen;
        TNumeravaRadio a(&screen), b(&screen), c(&screen), otherGroup(&screen), otherParent(&otherScreen);
        for (TNumeravaRadio* radio : {&a, &b, &c, &otherParent}) radio->SetRadioGroup(1);
        otherGroup.SetRadioGroup(2);
        SetButtonsLoading(&screen, true);
        SetButtonsLoading(&otherScreen, true);
        for (TNumeravaRadio* radio : {&b, &c, &otherGroup, &otherParent}) radio->SetPushed(true);
        SetButtonsLoading(&screen, false);
        SetButtonsLoading(&otherScreen, false);

        std::vector<TNVCustomButton*> order;
        for (TNumeravaRadio* radio : {&a, &b, &c, &otherGroup, &otherParent})
            connect(radio, &TNVCustomButton::OnPush, this,
                    [&order](TNVCustomButton* sender) { order.push_back(sender); });
        Click(a);
        const std::vector<TNVCustomButton*> expected{&b, &c, &a};
        QCOMPARE(order, expected);
        QVERIFY(a.Pushed() && !b.Pushed() && !c.Pushed() && otherGroup.Pushed() && otherParent.Pushed());

        Click(a);
        QVERIFY(a.Pushed());
        QCOMPARE(order.size(), expected.size());
    }

    void checkTogglesOnEveryPress() {
        TNumeravaCheck check;
        check.resize(50, 20);
        QSignalSpy clicks(&check, &TNVCustomButton::OnClick);
        for (bool expected : {true, false, true}) {
            Click(check);
            QCOMPARE(check.Pushed(), expected);
        }
        QCOMPARE(clicks.count(), 3);
    }

    void pushButtonFollowsThePointer_data() {
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<bool>("pushedAfterMoves");
        QTest::addColumn<int>("clicks");
        // The button is 100 x 40.
        QTest::newRow("released inside") << QList<QPoint>{} << QPoint(50, 20) << true << 1;
        QTest::newRow("dragged out, released outside")
            << QList<QPoint>{{50, 20}, {130, 20}} << QPoint(130, 20) << false << 0;
        QTest::newRow("dragged out and back")
            << QList<QPoint>{{50, -5}, {50, 20}} << QPoint(50, 20) << true << 1;
        // Tracking treats the last column as outside; the click still counts it as inside.
        QTest::newRow("last column") << QList<QPoint>{{99, 20}} << QPoint(99, 20) << false << 1;
        QTest::newRow("left of the button") << QList<QPoint>{{-1, 20}} << QPoint(-1, 20) << false << 0;
    }

    void pushButtonFollowsThePointer() {
        QFETCH(QList<QPoint>, moves);
        QFETCH(QPoint, release);
        QFETCH(bool, pushedAfterMoves);
        QFETCH(int, clicks);
        TNumeravaButton button;
        button.resize(100, 40);
        QSignalSpy clickSpy(&button, &TNVCustomButton::OnClick);
        SendMouse(button, QEvent::MouseButtonPress, {10, 10});
        QVERIFY(button.Pushed());
        for (QPoint point : moves) SendMouse(button, QEvent::MouseMove, point);
        QCOMPARE(button.Pushed(), pushedAfterMoves);
        SendMouse(button, QEvent::MouseButtonRelease, release);
        QVERIFY(!button.Pushed());
        QCOMPARE(clickSpy.count(), clicks);
        // A move after the release, without a press, does not push it again.
        SendMouse(button, QEvent::MouseMove, {10, 10});
        QVERIFY(!button.Pushed());
    }

    void captionColour_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("pushed");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("normal") << true << false << Ink;
        QTest::newRow("pushed") << true << true << PushedInk;
        QTest::newRow("disabled") << false << false << Gray;
        QTest::newRow("disabled and pushed") << false << true << Gray;
    }

    void captionColour() {
        QFETCH(bool, enabled);
        QFETCH(bool, pushed);
        QFETCH(QColor, expected);
        TNumeravaButton button;
        Style(button, QStringLiteral("HHHH"));
        button.setEnabled(enabled);
        button.SetPushed(pushed);
        const QImage image = Grab(button);
        QVERIFY(CountColor(image, expected) > 20);
        for (const QColor& other : {Ink, PushedInk, Gray})
            if (other != expected) QCOMPARE(CountColor(image, other), 0);
    }

    void bevel_data() {
        QTest::addColumn<bool>("pushed");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::newRow("raised") << false << QColor(227, 177, 152) << QColor(100, 50, 25);
        QTest::newRow("pushed") << true << QColor(5, 120, 50) << QColor(132, 247, 178);
    }

    void bevel() {
        QFETCH(bool, pushed);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        TNumeravaButton button;
        Style(button, {});
        button.SetPushed(pushed);
        const QImage image = Grab(button);
        const int w = image.width(), h = image.height();
        for (QPoint point : {QPoint(0, h / 2), QPoint(w / 2, 0), QPoint(0, 0), QPoint(0, h - 1)})
            QCOMPARE(image.pixelColor(point), topLeft);
        for (QPoint point :
             {QPoint(w - 1, h / 2), QPoint(w / 2, h - 1), QPoint(w - 1, 0), QPoint(w - 1, h - 1)})
            QCOMPARE(image.pixelColor(point), bottomRight);
        QCOMPARE(image.pixelColor(1, 1), pushed ? PushedFace : Face);
    }

    void captionLinesAreCentredAsOneBlock_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("displacement");
        QTest::newRow("odd height") << 97 << 0;
        QTest::newRow("even height, displaced") << 98 << 37;
    }

    void captionLinesAreCentredAsOneBlock() {
        QFETCH(int, height);
        QFETCH(int, displacement);
        TNumeravaButton button;
        Style(button, QStringLiteral("H"));
        button.resize(205, height);
        button.SetTextDisplacement(displacement);
        const QRect interior(1, 1, 203, height - 2);
        const QRect one = InkBounds(Grab(button), Face, interior);
        button.SetCaption(QStringLiteral("H\rH"));
        const QRect two = InkBounds(Grab(button), Face, interior);

        // The lines follow one another by the font's full line, accents and descenders included.
        const int lineHeight = CellMetrics(TestFont()).Height();
        const int shift = (height - lineHeight) / 2 - (height - 2 * lineHeight) / 2;
        QCOMPARE(two.top(), one.top() - shift);
        QCOMPARE(two.bottom(), one.bottom() - shift + lineHeight);
        QVERIFY(qAbs(one.center().x() - (displacement + 205) / 2) <= 2);
        QCOMPARE(two.left(), one.left());
    }

    void pictureIsDrawnLastAndMayBeTransparent_data() {
        QTest::addColumn<int>("transparentWhen"); // 0 never, 1 before the picture is set, 2 after
        QTest::newRow("opaque") << 0;
        QTest::newRow("transparent, then picture") << 1;
        QTest::newRow("picture, then transparent") << 2;
    }

    void pictureIsDrawnLastAndMayBeTransparent() {
        QFETCH(int, transparentWhen);
        // Green with a magenta bottom-left quarter: the bottom-left pixel is the transparent colour.
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        for (int y = 4; y < 8; ++y)
            for (int x = 0; x < 4; ++x) picture.setPixelColor(x, y, Qt::magenta);
        TNumeravaButton button;
        Style(button, QStringLiteral("HHHHHHHHHHHH"));
        button.SetPictureWidth(100);
        button.SetPictureHeight(47);
        if (transparentWhen == 1) button.SetPictureTransparent(true);
        button.SetPicture(TPicture::FromImage(picture));
        if (transparentWhen == 2) button.SetPictureTransparent(true);

        const QImage image = Grab(button);
        // Over the bevel and the caption alike.
        for (QPoint point : {QPoint(0, 10), QPoint(75, 0), QPoint(75, 23), QPoint(99, 10)})
            QCOMPARE(image.pixelColor(point), QColor(Qt::green));
        const QColor keyArea = image.pixelColor(25, 40);
        QCOMPARE(keyArea, transparentWhen == 0 ? QColor(Qt::magenta) : Face);
        QVERIFY(CountColor(image.copy(100, 0, 105, 47), Ink) > 0);
    }

    void labelShadowLiesUnderTheTextAtTheOffset_data() {
        QTest::addColumn<int>("offset");
        QTest::newRow("1") << 1;
        QTest::newRow("3") << 3;
    }

    void labelShadowLiesUnderTheTextAtTheOffset() {
        QFETCH(int, offset);
        const QColor none(0, 0, 0, 0), white(Qt::white);
        TNumeravaLabel label;
        label.resize(200, 60);
        label.SetColor(white);
        label.SetFont(TestFont());
        label.SetCaption(QStringLiteral("NUMERAVA"));
        label.SetAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        label.SetShadowOffset(offset);
        label.SetFontColor(Ink);
        label.SetShadowColor(none);
        const QImage textOnly = Grab(label);
        label.SetFontColor(none);
        label.SetShadowColor(Qt::red);
        const QRect shadow = InkBounds(Grab(label), white);
        QCOMPARE(shadow, InkBounds(textOnly, white).translated(offset, offset));

        // The text covers its shadow.
        label.SetFontColor(Ink);
        QCOMPARE(CountColor(Grab(label), Ink), CountColor(textOnly, Ink));
    }

    // A large caption drawn ahead on a worker thread looks as one drawn in place (compositing may
    // round a channel by one), and a change after preparing is drawn as changed.
    void preparedLargeCaptionLooksTheSame() {
        TNumeravaLabel label;
        label.resize(511, 115);
        label.SetColor(QColor(255, 170, 17));
        label.SetFont(ControlFont("Tahoma", 93, true));
        label.SetFontColor(QColor(0, 0, 128));
        label.SetShadowColor(Qt::white);
        label.SetShadowOffset(3);
        label.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label.SetCaption(QStringLiteral("NUMERAVA"));
        const QImage direct = Grab(label);
        label.Prepare();
        const QImage prepared = Grab(label);
        QVERIFY(InkBounds(direct, QColor(255, 170, 17)).width() > 300);
        QVERIFY2(LargestDifference(direct, prepared) <= 1,
                 qPrintable(QString::number(LargestDifference(direct, prepared))));

        label.SetCaption(QStringLiteral("NUMERA"));
        const QImage changed = Grab(label);
        QVERIFY(InkBounds(changed, QColor(255, 170, 17)).width() <
                InkBounds(direct, QColor(255, 170, 17)).width());
    }

    void largeBoldCaptionIsBold_data() {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("least");
        QTest::addColumn<int>("most");
        // Tahoma's stems are about a tenth of the em, its bold ones about a sixth.
        QTest::newRow("regular") << false << 7 << 11;
        QTest::newRow("bold") << true << 14 << 18;
    }

    // Above the sizes Qt draws from its glyph cache the glyphs are filled outlines, which Qt's
    // synthetic bold does not reach: the welcome title must be bold all the same.
    void largeBoldCaptionIsBold() {
        QFETCH(bool, bold);
        QFETCH(int, least);
        QFETCH(int, most);
        TNumeravaLabel label;
        label.resize(120, 120);
        label.SetColor(Qt::white);
        label.SetFont(ControlFont("Tahoma", 93, bold));
        label.SetFontColor(Qt::black);
        label.SetShadowColor(Qt::black);
        label.SetCaption(QStringLiteral("I"));
        const QImage image = Grab(label);
        const QRect ink = InkBounds(image, Qt::white);
        int stem = 0;
        for (int x = 0; x < image.width(); ++x) stem += qGray(image.pixel(x, ink.center().y())) < 128;
        QVERIFY2(stem >= least && stem <= most, qPrintable(QString::number(stem)));
    }

    void autoSizedLabelFitsTextAndShadow_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("anchor"); // 0 left edge kept, 1 centre, 2 right edge
        QTest::newRow("left") << int(Qt::AlignLeft) << 0;
        QTest::newRow("centre") << int(Qt::AlignHCenter) << 1;
        QTest::newRow("right, bottom") << int(Qt::AlignRight | Qt::AlignBottom) << 2;
    }

    void autoSizedLabelFitsTextAndShadow() {
        QFETCH(int, alignment);
        QFETCH(int, anchor);
        QWidget screen;
        TNumeravaLabel label(&screen);
        label.setGeometry(100, 50, 400, 200);
        label.SetFont(TestFont());
        label.SetCaption(QStringLiteral("Ahoj"));
        label.SetAlignment(Qt::Alignment::fromInt(alignment));
        label.SetShadowOffset(3);
        const QRect before = label.geometry();
        label.SetAutoSize(true);
        const QFontMetrics metrics(TestFont());
        const int lineHeight = CellMetrics(TestFont()).Height();
        QCOMPARE(label.height(), lineHeight + 3);
        // The text's ink and its shadow's lie inside, with at most the few pixels a bold face's ink
        // may spill past the advance to spare.
        const QRect ink = label.CaptionLayout().Ink();
        QVERIFY(label.rect().contains(ink | ink.translated(3, 3)));
        const int spare = label.width() - 3 - metrics.horizontalAdvance(QStringLiteral("Ahoj"));
        QVERIFY2(spare >= 0 && spare <= 4, qPrintable(QString::number(spare)));
        const int kept[] = {label.x() - before.x(), label.geometry().center().x() - before.center().x(),
                            label.geometry().right() - before.right()};
        QVERIFY(qAbs(kept[anchor]) <= 1);
        label.SetShadowOffset(1);
        QCOMPARE(label.height(), lineHeight + 1);
    }

    void editWidthFollowsText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("empty, shadow 2") << QString() << 2;
        QTest::newRow("digits") << QStringLiteral("123") << 2;
        QTest::newRow("decimal") << QStringLiteral("-12,75") << 3;
    }

    void editWidthFollowsText() {
        QFETCH(QString, text);
        QFETCH(int, offset);
        TNumeravaEdit edit;
        edit.resize(300, 61);
        edit.SetText(QStringLiteral("previous"));
        edit.SetFont(ControlFont("Tahoma", 48));
        edit.SetShadowOffset(offset);
        edit.SetText(text);
        QCOMPARE(edit.width(), QFontMetrics(edit.Font()).horizontalAdvance(text) + offset + 1);
        QCOMPARE(edit.height(), 61);
    }

    void editReceivesEveryKeyAndKeepsTheFocus_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("digit") << int(Qt::Key_7);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("left arrow") << int(Qt::Key_Left);
    }

    void editReceivesEveryKeyAndKeepsTheFocus() {
        QFETCH(int, key);
        QWidget screen;
        TNumeravaEdit first(&screen), second(&screen);
        first.setFocus();
        QList<int> received;
        connect(&first, &TNumeravaEdit::OnKeyPress, this,
                [&received](QKeyEvent* event) { received.append(event->key()); });
        QTest::keyClick(&first, Qt::Key(key));
        QCOMPARE(received, QList<int>{key});
        QCOMPARE(screen.focusWidget(), &first);
    }

    void editTakesTheFocusAndShowsItsCaret() {
        QWidget screen;
        screen.resize(300, 100);
        TNumeravaEdit answer(&screen), other(&screen);
        const QColor orange(255, 170, 17);
        answer.setGeometry(10, 10, 0, 61);
        answer.SetColor(orange);
        answer.SetFont(ControlFont("Tahoma", 48));
        answer.SetCaret(true);
        other.move(200, 10);
        other.setFocus();
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QVERIFY(other.hasFocus());

        answer.SetText(QStringLiteral("12")); // repaints, and the paint takes the focus
        QTRY_VERIFY(answer.hasFocus());
        QVERIFY(answer.CaretShown());
        const QRect caret = answer.CaretRect();
        QCOMPARE(caret.x(), answer.width() - 1);
        QCOMPARE(Grab(answer).pixelColor(caret.center()), QColor(0, 85, 238)); // inverted orange

        Click(other);
        QVERIFY(other.hasFocus());
        QVERIFY(!answer.CaretShown());
        QCOMPARE(Grab(answer).pixelColor(caret.center()), orange);
        Click(answer);
        QVERIFY(answer.hasFocus() && answer.CaretShown());
    }

    void caretBlinksOnlyWhileActive() {
        TBlinkingCaret caret;
        QVERIFY(!caret.Visible());
        caret.SetActive(true);
        QVERIFY(caret.Visible());
        QSignalSpy changes(&caret, &TBlinkingCaret::Changed);
        if (caret.Interval() > 0) {
            QVERIFY(changes.wait(caret.Interval() * 4));
            QVERIFY(!caret.Visible());
            caret.Restart();
            QVERIFY(caret.Visible());
        }
        caret.SetActive(false);
        QVERIFY(!caret.Visible());
        caret.Restart();
        QVERIFY(!caret.Visible());
    }
};

QTEST_MAIN(ControlsQtTest)
#include "ControlsQtTest.moc"
