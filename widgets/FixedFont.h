// The fixed-pitch font of every number field and candidate list:
// "Courier New" 16 px where it is installed, otherwise Liberation Mono,
// which has the same metrics.
#pragma once

#include <QFont>

QFont FixedFont();

// How far the font's letters reach above and below the baseline, in pixels:
// at least the font's own ascent and descent, and as far as the accents of
// capitals ("É", "Î", "Å") and the descenders ("g", "Ç") really go. In some
// fonts the accents of capitals stand above the ascent the font declares.
struct TFullMetrics {
    int ascent;
    int descent;
};
TFullMetrics FullMetrics(const QFont& font);

// Height of one row of a candidate or country list: the fixed font's full
// ascent and descent and one pixel of air above the accents.
int ListRowHeight();
// Where a row's baseline lies below the row's top.
int ListRowBaseline();
