#include "FixedFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

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

TFullMetrics FullMetrics(const QFont& font) {
    const QFontMetrics metrics(font);
    // The tallest accented capitals of French and of the country names, and
    // the letters that go lowest.
    const QRect high = metrics.tightBoundingRect(QStringLiteral("ÂÊÎÔÛÄËÏÖÜÀÉÈÙÅÑ"));
    const QRect low = metrics.tightBoundingRect(QStringLiteral("gjpqyÇ"));
    return {std::max(metrics.ascent(), -high.top()), std::max(metrics.descent(), low.bottom() + 1)};
}

namespace {
const TFullMetrics& ListMetrics() {
    static const TFullMetrics metrics = FullMetrics(FixedFont());
    return metrics;
}
}  // namespace

int ListRowHeight() { return 1 + ListMetrics().ascent + ListMetrics().descent; }

int ListRowBaseline() { return 1 + ListMetrics().ascent; }
