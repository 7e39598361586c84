#pragma once
// Widget tests: answer the program's modal questions and message boxes as a pupil would, by a key.
// A dialog is answered as soon as it is shown: the key is queued when it appears and delivered by the
// dialog's own event loop, so no test polls or waits for it.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QTest>

namespace numerava::testing {

// While it lives, answers the modal dialogs shown (at most `limit` of them; -1 for all) with `key`,
// counting them and keeping the text of the last message box.
class TModalAnswers : public QObject {
public:
    explicit TModalAnswers(Qt::Key key = Qt::Key_Return, int limit = -1) : key_(key), limit_(limit) {
        qApp->installEventFilter(this);
    }
    ~TModalAnswers() override { qApp->removeEventFilter(this); }
    TModalAnswers(const TModalAnswers&) = delete;
    TModalAnswers& operator=(const TModalAnswers&) = delete;

    // Answers the next modal dialog, then goes; until then it belongs to the application.
    static void Next(Qt::Key key) {
        auto* answers = new TModalAnswers(key, 1);
        answers->setParent(qApp);
        answers->deleteWhenDone_ = true;
    }

    int Count() const { return count_; }
    const QString& LastText() const { return lastText_; }
    // Where the last dialog stood and the font it had when it was answered.
    const QRect& LastGeometry() const { return lastGeometry_; }
    const QFont& LastFont() const { return lastFont_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = event->type() == QEvent::Show ? qobject_cast<QDialog*>(watched) : nullptr;
        if (dialog == nullptr || !dialog->isWindow() || (limit_ >= 0 && count_ >= limit_)) return false;
        ++count_;
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) lastText_ = box->text();
        QMetaObject::invokeMethod(
            this,
            [this, target = QPointer<QDialog>(dialog)] {
                if (target) {
                    lastGeometry_ = target->frameGeometry();
                    lastFont_ = target->font();
                    QTest::keyClick(target, key_);
                }
                if (deleteWhenDone_ && count_ >= limit_) deleteLater();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    Qt::Key key_;
    int limit_;
    int count_ = 0;
    bool deleteWhenDone_ = false;
    QString lastText_;
    QRect lastGeometry_;
    QFont lastFont_;
};

// Answers the next modal question with a key as soon as it is shown.
inline void AnswerNextQuestion(Qt::Key key) { TModalAnswers::Next(key); }

} // namespace numerava::testing
