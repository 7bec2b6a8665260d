#include "Fonts.h"

#include <QFontDatabase>
#include <QLocale>
#include <QtMath>

#include <optional>

using namespace Qt::StringLiterals;

namespace Fonts {

namespace {

constexpr qreal LayoutDpi = 96.0;
constexpr qreal PointsPerInch = 72.0;

// The face of the design, which also draws Latin, Greek, Cyrillic and Hebrew.
const auto DesignFamily = u"Liberation Sans"_s;

// The family that draws the language's own script in its regional forms, so
// that fontconfig never picks, say, a Chinese face for Japanese; none where
// the Latin face draws it.
std::optional<QString> scriptFamily(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Arabic:
    case QLocale::Persian:
        return u"DejaVu Sans"_s;
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalHanScript ? u"AR PL UMing TW"_s : u"WenQuanYi Micro Hei"_s;
    case QLocale::Japanese:
        return u"VL Gothic"_s;
    case QLocale::Korean:
        return u"NanumGothic"_s;
    case QLocale::Thai:
        return u"Loma"_s;
    case QLocale::Hindi:
        return u"Sarai"_s; // its marks stay within its line, unlike Lohit's
    default:
        return std::nullopt;
    }
}

// The Latin face draws the digits and Latin letters alike, the script's face
// what the Latin face lacks. (A zero-width non-joiner that the Latin face
// draws parts a Persian word where it parts anyway.) Chinese, Japanese and
// Korean come from their own face alone: for the Han characters they share,
// Qt would otherwise take the face fontconfig prefers for the desktop's
// locale, with another country's forms.
QStringList familiesFor(const QString &latinFamily, const QLocale &locale)
{
    const std::optional<QString> script = scriptFamily(locale);
    if (!script)
        return {latinFamily};
    const QLocale::Language language = locale.language();
    if (language == QLocale::Chinese || language == QLocale::Japanese || language == QLocale::Korean)
        return {*script, latinFamily};
    return {latinFamily, *script};
}

QFont sizedFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies(familiesFor(DesignFamily, QLocale()));
    font.setPixelSize(qRound(points * LayoutDpi / PointsPerInch));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont interfaceFont(qreal points, bool bold)
{
    return sizedFont(points, bold);
}

QFont numberFont(qreal points, bool bold)
{
    return sizedFont(points, bold);
}

QFont applicationFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies(familiesFor(font.family(), QLocale()));
    return font;
}

} // namespace Fonts
