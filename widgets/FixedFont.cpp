#include "FixedFont.h"

#include <QFontDatabase>
#include <QStringList>

QFont FixedFont() {
    static const QFont font = [] {
        const QStringList families = QFontDatabase::families();
        QFont f(families.contains(QStringLiteral("Courier New")) ? QStringLiteral("Courier New") : QStringLiteral("Liberation Mono"));
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        f.setPixelSize(16);
        return f;
    }();
    return font;
}
