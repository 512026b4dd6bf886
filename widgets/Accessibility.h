// What a page includes to name its fields for screen readers: the naming
// hooks (accessible/Names.h). The accessible interfaces themselves live in
// accessible/, one file a widget family behind one factory
// (accessible/Factory.h); a widget includes only the hooks header it needs.
#pragma once

#include "accessible/Names.h"
