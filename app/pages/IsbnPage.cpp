// The page "ISBN": a book number of ten characters or of thirteen (978 or
// 979 first), hyphenated into its parts (isbn/Isbn.h). The field takes any
// length; the page has no part labels, so none has to fit both forms.
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
