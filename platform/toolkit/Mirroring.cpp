#include "Mirroring.h"

#include <QLayout>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QWidget>

namespace Mirroring {

namespace {

// Children that Qt's widgets make and place themselves (a scroll area's
// viewport, say) are nameless or named "qt_...".
bool placedByDesign(const QWidget *child)
{
    const QWidget *parent = child->parentWidget();
    const QString name = child->objectName();
    return parent && !child->isWindow() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_"))
           && !(parent->layout() && parent->layout()->indexOf(child) >= 0);
}

} // namespace

void mirrorPlacedControls(QWidget *window)
{
    if (window->layoutDirection() != Qt::RightToLeft)
        return;
    // A stacked widget's pages take its size only when shown.
    for (QStackedWidget *stack : window->findChildren<QStackedWidget *>()) {
        for (int i = 0; i < stack->count(); ++i)
            stack->widget(i)->setGeometry(stack->contentsRect());
    }
    // A plain text box aligns its lines to the left whatever their direction.
    for (QPlainTextEdit *text : window->findChildren<QPlainTextEdit *>()) {
        QTextOption option = text->document()->defaultTextOption();
        option.setAlignment(Qt::AlignRight);
        text->document()->setDefaultTextOption(option);
    }
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (placedByDesign(child))
            child->setGeometry(placed(child->parentWidget(), child->geometry()));
    }
}

QRect placed(const QWidget *widget, const QRect &rect)
{
    return QStyle::visualRect(widget->layoutDirection(), widget->rect(), rect);
}

} // namespace Mirroring
