#include "Details.h"

#include <ctime>

namespace ferrino {

int ThisYear() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return parts.tm_year + 1900;
}

}  // namespace ferrino
