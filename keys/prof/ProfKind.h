// The health professional's number behind the one interface of common/Kind.h.
#pragma once

#include <memory>

#include "common/Kind.h"

namespace ferrino {

std::unique_ptr<NumberKind> MakeProfKind();

}  // namespace ferrino
