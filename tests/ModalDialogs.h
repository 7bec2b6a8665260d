#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Answers the next modal dialog that opens: polls for the active modal
// widget and hands it to the given action, which must close it. Records the
// dialogs it answered so the test can check that one opened.
class ModalDialogs
{
public:
    using Action = std::function<void(QWidget *dialog)>;

    // Arms the answer; the action runs once, on the first modal widget that
    // shows up within the time limit.
    void answerNext(Action action, int timeoutMs = 5000)
    {
        auto timer = new QTimer;
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [this, timer, clock, action, timeoutMs] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (dialog && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                ++answered;
                action(dialog);
            } else if (clock->elapsed() > timeoutMs) {
                timer->stop();
                timer->deleteLater();
            }
        });
        timer->start();
    }

    // Answers every modal dialog that opens, one after the other, for as
    // long as this object lives. The action must close each one.
    void answerEach(Action action)
    {
        m_each = std::make_unique<QTimer>();
        m_each->setInterval(10);
        QObject::connect(m_each.get(), &QTimer::timeout, [this, action] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (dialog && dialog->isVisible() && dialog != m_last) {
                m_last = dialog;
                ++answered;
                action(dialog);
            }
        });
        m_each->start();
    }

    int answered = 0;

private:
    std::unique_ptr<QTimer> m_each;
    QPointer<QWidget> m_last;
};
