#pragma once

#include <QObject>

// While it exists, clicks, keys and the window's close button are swallowed
// throughout the application: they are dropped, not kept to act later.
// Everything else, repainting included, goes on.
class UserInputBlocker : public QObject
{
public:
    UserInputBlocker();
    ~UserInputBlocker() override;

    UserInputBlocker(const UserInputBlocker &) = delete;
    UserInputBlocker &operator=(const UserInputBlocker &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
