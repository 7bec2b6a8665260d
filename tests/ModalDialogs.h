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
        : m_action(std::move(action))
    {
        poll();
    }

    int answered = 0;

private:
    // Armed anew before each action, so that a dialog the action itself
    // opens is answered too.
    void poll()
    {
        QTimer::singleShot(10, &m_context, [this] {
            QPointer<QWidget> dialog = QApplication::activeModalWidget();
            poll();
            if (m_last && !m_last->isVisible())
                m_last = nullptr; // a kept dialog shown again is a new one to answer
            if (!dialog || !dialog->isVisible() || dialog == m_last)
                return;
            m_last = dialog;
            ++answered;
            m_action(dialog);
            if (dialog && dialog->isVisible())
                dialog->close();
            // Closed, it may open again before the next look: then it is new.
            if (!dialog || !dialog->isVisible())
                m_last = nullptr;
        });
    }

    std::function<void(QWidget *)> m_action;
    QObject m_context;
    QPointer<QWidget> m_last;
};
