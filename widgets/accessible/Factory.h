// The one factory of Ferrino's accessible interfaces, the only place that
// asks every widget family (Families.h). The main window and the About box
// install it.
#pragma once

namespace ferrino::a11y {

// Installs the factory of Ferrino's accessible interfaces; only the first call does.
void InstallAccessibility();

}  // namespace ferrino::a11y
