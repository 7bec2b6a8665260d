#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// While it lives, hands each modal dialog that opens to the action, which
// answers it; closes the dialog if the action left it open (a failed check),
// so that no test hangs on it. Counts the dialogs it answered.
class ModalDialogs
{
public:
    explicit ModalDialogs(std::function<void(QWidget *dialog)> action)
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this, action] {
            QPointer<QWidget> dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible() || dialog == m_last)
                return;
            m_last = dialog;
            ++answered;
            action(dialog);
            if (dialog && dialog->isVisible())
                dialog->close();
        });
        m_poll.start(10);
    }

    int answered = 0;

private:
    QTimer m_poll;
    QPointer<QWidget> m_last;
};
