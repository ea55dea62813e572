#include "platform/ui/ClassicLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace platform {
namespace {

// Menus, message boxes and the rest of the program's own texts.
constexpr qreal SystemFontPoints = 8;

} // namespace

void applyClassicLook() {
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(classic);
        QApplication::setPalette(classic->standardPalette());
    }
    // Also replaces the fonts that a desktop's theme gives particular kinds
    // of widget, such as the menu bar.
    QApplication::setFont(classicFont(SystemFontPoints));
}

QStringList classicSansSerifFamilies() {
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")};
}

QStringList classicSerifFamilies() {
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
}

QFont classicFont(qreal points, bool bold) {
    QFont font;
    font.setFamilies(classicSansSerifFamilies());
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace platform
