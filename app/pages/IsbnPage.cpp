// The page "ISBN": a ten-character book number, hyphenated into its
// registration group, publisher, title and check character.
#include "KeyPage.h"
#include "Pages.h"
#include "isbn/Isbn.h"

namespace {

class TIsbnPage : public TSingleFieldPage {
public:
    TIsbnPage()
        : TSingleFieldPage(QStringLiteral("Tab_isbn"), QStringLiteral("ISBN"),
                           ferrino::MakeKind("isbn"), kHideList) {
        Build(QStringLiteral("LISBN"), QStringLiteral("ISBN"), {24, 47}, QStringLiteral("em_isbn"), {128, 42, 230, 26},
              QStringLiteral("LB_isbn"), {128, 72, 262, 122});
    }
};

}  // namespace

TKeyPage* CreateIsbnPage() { return new TIsbnPage; }
