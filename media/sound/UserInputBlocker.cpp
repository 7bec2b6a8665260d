#include "UserInputBlocker.h"

#include <QCoreApplication>
#include <QEvent>

UserInputBlocker::UserInputBlocker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

UserInputBlocker::~UserInputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool UserInputBlocker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        // Only the window system's close request; the program's own
        // close() calls still work.
        return event->spontaneous();
    default:
        return QObject::eventFilter(watched, event);
    }
}
