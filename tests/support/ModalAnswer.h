#pragma once
// Widget tests: answers the program's modal questions as a pupil would, by a key.

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace numerava::testing {

// Answers the next modal question with a key as soon as it is shown.
inline void AnswerNextQuestion(Qt::Key key) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, key] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            QTest::keyClick(modal, key);
        }
    });
    timer->start();
}

} // namespace numerava::testing
