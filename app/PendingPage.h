// A page whose engine is not wired yet: a field and a list that do nothing.
#pragma once

#include "KeyPage.h"

class TPendingPage : public TSingleFieldPage {
public:
    TPendingPage(const char* name, const char* caption)
        : TSingleFieldPage(QString::fromLatin1(name), QString::fromUtf8(caption),
                           {[](std::string_view t) { return std::string(t); },
                            [](std::string_view) { ferrino::Plan p; p.unknowns.resize(99); return p; },
                            [](const ferrino::Plan&) { return std::string(); },
                            [](const ferrino::Plan&, ferrino::RowStore&, ferrino::SearchPump&) { return true; }},
                           kHideList) {
        Build(QStringLiteral("L") + objectName(), QStringLiteral("Numéro"), {24, 47}, QStringLiteral("em_") + objectName(),
              {128, 42, 260, 26}, QStringLiteral("lb_") + objectName(), {128, 72, 262, 122});
    }
    void TooMany(const ferrino::Plan&) override {}
};

