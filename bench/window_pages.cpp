// The largest search of a page, from the click on "Calcule" to the list shown
// and scrolled to its end, and the program's peak memory:
//   ferrino_window_pages [page-index]    (all pages when none is given)
// One markdown row a page: page, candidates, rows listed, time, peak memory.
// Run one page a process (bench/performance.sh does) for a peak of its own.
#include <QComboBox>
#include <QLineEdit>

#include "KeyPage.h"
#include "WindowBench.h"

namespace {

struct Largest {
    const char* page;
    const char* list;
    long candidates;
    std::vector<std::pair<const char*, const char*>> fields;  // field name, text
};

const std::vector<Largest>& Searches() {
    static const std::vector<Largest> searches = {
        {"Clé Insee", "LB_insee", 10000, {{"EM_INSEE", "185057800"}}},
        {"Clé RIB/RIP", "LB_rib", 1679616, {{"em_rib", "30006 00001 1234567????"}}},
        {"CLé IBAN", "Lb_iban", 1679616, {{"Edit_Iban_country", "CY"}, {"em_iban_cle", ""}, {"em_iban", "00200128000000120052????"}}},
        {"Clé Professionnel de santé", "LB_prof", 12000, {{"Em_prof", "7?1?3?5?"}}},
        {"Clé AVS", "LB_avs", 10000, {{"Em_avs", "123456"}}},
        {"ISBN", "LB_isbn", 10000, {{"em_isbn", "20703"}}},
        {"Cartes bancaires", "lB_CB", 10000, {{"em_cb", "49701012345"}}},
        {"SIREN", "lb_siren", 10000, {{"EM_siren", "1234"}}},
        {"SIRET", "LB_siret", 10000, {{"em_siret", "123456782"}}},
        {"Codes EAN (EAN 13)", "LB_ean", 10000, {{"em_ean", "40063813"}}},
        {"S.I.N.", "Lb_sin", 10000, {{"em_sin", "1234"}}},
        {"VIN", "LB_vin", 1185921,
         {{"Vin1", "L"}, {"Vin2", "M"}, {"Vin3", "N"}, {"VIn4", "12345"}, {"Vin5", "?"}, {"Vin6", "6"}, {"VIn7", "7"}, {"Vin8", "89????"}}},
        {"CIP/ACL", "LB_cip", 10000, {{"Fcip1", "12????"}, {"Fcip2", ""}}},
    };
    return searches;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const QStringList args = QApplication::arguments().mid(1);
    const auto& searches = Searches();
    for (int page = 0; page < static_cast<int>(searches.size()); ++page) {
        if (!args.isEmpty() && args.first().toInt() != page) continue;
        const Largest& s = searches[static_cast<std::size_t>(page)];
        window.PageControl()->setCurrentIndex(page);
        for (const auto& [name, text] : s.fields)
            window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
        const SearchFigures f = TimeCalcule(window, s.list);
        std::printf("| %s | %ld | %d | %.0f ms | %.0f MB |\n", s.page, s.candidates, f.rows, f.milliseconds, PeakMemoryMB());
        std::fflush(stdout);
    }
    return 0;
}
