// The fixed-pitch font of every number field and candidate list:
// "Courier New" 16 px where it is installed, otherwise Liberation Mono,
// which has the same metrics.
#pragma once

#include <QFont>

QFont FixedFont();

// Height of one row of a candidate or country list.
inline constexpr int kListRowHeight = 18;
