// The EAN and the other GS1 codes behind the one interface of common/Kind.h.
#pragma once

#include <memory>

#include "common/Kind.h"

namespace ferrino {

// `codeType` chooses the code type (an EanType value); an unknown one is EAN 13.
std::unique_ptr<NumberKind> MakeEanKind(int codeType);

}  // namespace ferrino
