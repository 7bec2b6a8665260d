#include "Fonts.h"

#include <QtMath>

namespace Fonts {

namespace {

constexpr qreal LayoutDpi = 96.0;
constexpr qreal PointsPerInch = 72.0;

QFont sizedFont(const QString &family, qreal points, bool bold)
{
    QFont font(family);
    font.setPixelSize(qRound(points * LayoutDpi / PointsPerInch));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont interfaceFont(qreal points, bool bold)
{
    return sizedFont(QStringLiteral("Liberation Sans"), points, bold);
}

QFont numberFont(qreal points, bool bold)
{
    return sizedFont(QStringLiteral("Liberation Sans"), points, bold);
}

} // namespace Fonts
