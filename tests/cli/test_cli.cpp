// ferrino-cli run as a process: what it writes, on which stream, and its exit
// status. The keys themselves are the engine's business; these tests are
// about how a number gets into its page's fields, what comes out, and the
// plumbing around it (lines, bytes, JSON, options, errors).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using Args = std::vector<std::string>;

struct Result {
    std::string out;
    std::string err;
    int status = -1;
};

std::string workDir;  // made by the first run, removed after the last test

const std::string& WorkDir() {
    if (workDir.empty()) {
        const char* base = std::getenv("TMPDIR");
        std::string path = std::string(base && *base ? base : "/tmp") + "/ferrino-cli-test.XXXXXX";
        if (!mkdtemp(path.data())) std::abort();
        workDir = path;
    }
    return workDir;
}

class RemoveWorkDir : public testing::Environment {
    void TearDown() override {
        if (!workDir.empty()) std::filesystem::remove_all(workDir);
    }
};
testing::Environment* const kRemoveWorkDir = testing::AddGlobalTestEnvironment(new RemoveWorkDir);

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the program with `input` on its standard input, or with the files
// `stdinPath` and `stdoutPath` in place of the captured streams.
Result RunCli(const Args& args, const std::string& input = "", std::string stdinPath = "", std::string stdoutPath = "") {
    const bool captureOut = stdoutPath.empty();
    if (stdinPath.empty()) {
        stdinPath = WorkDir() + "/in";
        std::ofstream(stdinPath, std::ios::binary) << input;
    }
    if (captureOut) stdoutPath = WorkDir() + "/out";
    const std::string errPath = WorkDir() + "/err";

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, stdinPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string program = FERRINO_CLI_PATH;
    Args copies = args;
    std::vector<char*> argv{program.data()};
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);

    Result result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program;
        return result;
    }
    int wait = 0;
    waitpid(pid, &wait, 0);
    result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    if (captureOut) result.out = ReadFile(stdoutPath);
    result.err = ReadFile(errPath);
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

Args Join(Args head, const Args& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const std::string kTooMany = "Trop de chiffres inconnus ! Calcul impossible.\n";

// ---------------------------------------------------------------------------
// One row per kind (and per EAN code type): the same questions asked of each.

struct KindCase {
    const char* name;  // of the test
    Args kind;         // the kind and its options
    const char* complete;
    const char* completed;
    const char* search;
    std::size_t rows;
    std::vector<std::pair<std::size_t, const char*>> someRows;  // index, row
    const char* tooMany;  // one unknown body character beyond the four searched
    const char* right;    // --check: "OK " + rightShown
    const char* rightShown;
    const char* wrong;    // --check: wrongLine
    const char* wrongLine;
};

const KindCase kKinds[] = {
    {"insee", {"insee"}, "1850578006084", "1 85 05 78 006 084 91",
     "1 85 05 78 006 0?4", 10, {{0, "1 85 05 78 006 004 74"}, {9, "1 85 05 78 006 094 81"}}, "18505780",
     "1.85.05.78.006.084.91", "1 85 05 78 006 084 91",
     "185057800608436", "ERREUR 1 85 05 78 006 084 36 (clé attendue : 91)"},
    {"rib", {"rib"}, "30006 00001 12345678901 00", "30006 00001 12345678901 89",
     "30006 00001 1234567890? 89", 3, {{0, "30006 00001 12345678901 89"}, {1, "30006 00001 1234567890A 89"},
                                       {2, "30006 00001 1234567890J 89"}}, "30006 00001 123456",
     "30006000011234567890189", "30006 00001 12345678901 89",
     "30006 00001 12345678901 98", "ERREUR 30006 00001 12345678901 98 (clé attendue : 89)"},
    // Country code, key and BBAN; a row has no final blank.
    {"iban", {"iban"}, "FR00 3000 6000 0112 3456 7890 189", "FR76 3000 6000 0112 3456 7890 189",
     // A Cypriot account character: digits and capitals, no national key.
     "CY?? 0020 0128 0000 0012 0052 760?", 36, {{0, "CY17 0020 0128 0000 0012 0052 7600"}}, "FR76 3000 6?0? 0112 ???",
     "FR76 3000 6000 0112 3456 7890 189", "FR76 3000 6000 0112 3456 7890 189",
     "FR67 3000 6000 0112 3456 7890 189", "ERREUR FR67 3000 6000 0112 3456 7890 189 (clé attendue : 76)"},
    {"prof", {"prof"}, "2a123456", "2A 1 23456 2",
     "2?112345", 12, {{10, "2A 1 12345 0"}, {11, "2B 1 12345 8"}}, "751",
     "75 1 12345 6", "75 1 12345 6",
     "751123450", "ERREUR 75 1 12345 0 (clé attendue : 6)"},
    {"avs", {"avs"}, "123.45.678.90", "123 45 678 903",
     "123456789?3", 1, {{0, "123 45 678 903"}}, "12345",
     "123.45.678.903", "123 45 678 903",
     "12345600055", "ERREUR 123 45 600 055 (clé attendue : aucune)"},
    {"isbn", {"isbn"}, "2-07-036822-8", "2-07-036822-X",
     "2070?6822?", 10, {{3, "2-07-036822-X"}}, "2070",
     "2-07-036822-x", "2-07-036822-X",
     "2070368228", "ERREUR 2-07-036822-8 (clé attendue : X)"},
    // An ISBN-13: 978 or 979 and 11 to 13 characters.
    {"isbn13", {"isbn"}, "978-2-07-036822", "978-2-07-036822-8",
     "978-2-07-03682?-?", 10, {{0, "978-2-07-036820-4"}, {9, "978-2-07-036829-7"}}, "978-2-07-0?????",
     "979-10-90636-07-1", "979-10-90636-07-1",
     "9780306406158", "ERREUR 978-0-306-40615-8 (clé attendue : 7)"},
    {"carte", {"carte"}, "4970-1012-3456-7890", "4970 1012 3456 7893",
     "49701012345678", 10, {{0, "4970 1012 3456 7802"}, {9, "4970 1012 3456 7893"}}, "4970101234",
     "4970 1012 3456 7893", "4970 1012 3456 7893",
     "4970101234567890", "ERREUR 4970 1012 3456 7890 (clé attendue : 3)"},
    // The search leaves out a SIRET establishment 0000; the check does not.
    {"siren", {"siren"}, "12345678", "123 456 782",
     "1234567", 10, {{0, "123 456 709"}, {9, "123 456 790"}}, "123",
     "123456709", "123 456 709",
     "123456783", "ERREUR 123 456 783 (clé attendue : 2)"},
    {"siret", {"siret"}, "123 456 782 0001", "123456782 0001 0",
     "123456782000?", 9, {{0, "123456782 0001 0"}, {8, "123456782 0009 3"}}, "12345678",
     "12345678200002", "123456782 0000 2",
     "123456782 0001 1", "ERREUR 123456782 0001 1 (clé attendue : 0)"},
    {"ean13", {"ean"}, "400638133393", "4 006381 333931",
     "4006381333", 100, {{0, "4 006381 333009"}}, "1234567",
     "4006381333931", "4 006381 333931",
     "4006381333932", "ERREUR 4 006381 333932 (clé attendue : 1)"},
    {"ean8", {"ean", "--type", "ean8"}, "9638507", "9638 5074",
     "96385", 100, {{0, "9638 5005"}}, "96",
     "96385074", "9638 5074",
     "96385070", "ERREUR 9638 5070 (clé attendue : 4)"},
    {"upca", {"ean", "--type=upca"}, "03600029145", "0 36000 291452",
     "0360002914", 10, {{0, "0 36000 291407"}}, "036000",
     "036000291452", "0 36000 291452",
     "036000291453", "ERREUR 0 36000 291453 (clé attendue : 2)"},
    {"upcc", {"ean", "--type", "upcc"}, "0123456", "0 123456 5",
     "012345", 10, {{0, "0 123450 3"}}, "01",
     "01234565", "0 123456 5",
     "01234566", "ERREUR 0 123456 6 (clé attendue : 5)"},
    // UPC-E: the check digit of the UPC-A number it stands for (042100005264).
    {"upce", {"ean", "--type", "upce"}, "0425261", "0 425261 4",
     "042526", 10, {{0, "0 425260 5"}, {9, "0 425269 6"}}, "04",
     "04252614", "0 425261 4",
     "04252615", "ERREUR 0 425261 5 (clé attendue : 4)"},
    // A Luhn number of any length: 15 digits here (an American Express card).
    {"luhn", {"luhn"}, "37828224631000?", "3782 8224 6310 005",
     "3782 8224 6310 0??", 10, {{0, "3782 8224 6310 005"}, {9, "3782 8224 6310 096"}}, "3782 8224 ???? ??",
     "3782 8224 6310 005", "3782 8224 6310 005",
     "378282246310006", "ERREUR 3782 8224 6310 006 (clé attendue : 5)"},
    {"sin", {"sin"}, "123/456/78", "123 456 782",
     "?2345678", 10, {{0, "023 456 783"}, {9, "923 456 784"}}, "12*4",
     "123-456-782", "123 456 782",
     "123 456 789", "ERREUR 123 456 789 (clé attendue : 2)"},
    {"vin", {"vin"}, "LMN12345?67890001", "LMN12345X67890001",
     "LMN12345?6789012", 33, {{0, "LMN12345767890120"}, {32, "LMN1234536789012Z"}}, "LMN12345?678",
     "LMN12345X67890001", "LMN12345X67890001",
     "lmn12345067890001", "ERREUR LMN12345067890001 (clé attendue : X)"},
    {"cip", {"cip"}, "123456", "123456 2",
     "12?456", 10, {{0, "120456 1"}, {9, "129456 4"}}, "1",
     "123456 2", "123456 2",
     "1234563", "ERREUR 123456 3 (clé attendue : 2)"},
};

class CliKind : public testing::TestWithParam<KindCase> {};

TEST_P(CliKind, CompleteNumberGetsItsKey) {
    const KindCase& k = GetParam();
    const Result r = RunCli(Join(k.kind, {k.complete}));
    EXPECT_EQ(r.out, std::string(k.completed) + "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

TEST_P(CliKind, UnknownCharactersListEveryCandidate) {
    const KindCase& k = GetParam();
    const Result r = RunCli(Join(k.kind, {k.search}));
    const std::vector<std::string> rows = Lines(r.out);
    ASSERT_EQ(rows.size(), k.rows);
    for (const auto& [index, row] : k.someRows) EXPECT_EQ(rows[index], row);
    EXPECT_EQ(r.status, 0);
}

// What the program lists, read back as typed input, is right: the display
// form of every kind is also a way of writing it.
TEST_P(CliKind, ListedRowsPassTheCheck) {
    const KindCase& k = GetParam();
    const Result listed = RunCli(Join(k.kind, {k.search}));
    const Result checked = RunCli(Join(k.kind, {"--check"}), listed.out);
    const std::vector<std::string> rows = Lines(listed.out);
    const std::vector<std::string> verdicts = Lines(checked.out);
    ASSERT_EQ(verdicts.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(verdicts[i], "OK " + rows[i]);
    EXPECT_EQ(checked.status, 0);
}

TEST_P(CliKind, TooManyUnknownCharacters) {
    const KindCase& k = GetParam();
    const Result r = RunCli(Join(k.kind, {k.tooMany}));
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, kTooMany);
    EXPECT_EQ(r.status, 2);
}

TEST_P(CliKind, CheckComparesTheKeyWritten) {
    const KindCase& k = GetParam();
    const Result r = RunCli(Join(k.kind, {"--check", k.right, k.wrong}));
    EXPECT_EQ(r.out, std::string("OK ") + k.rightShown + "\n" + k.wrongLine + "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CliKind, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------

struct Case {
    Args args;
    const char* out;
    int status;
};

// How a number fills the fields of the pages with several, and other readings.
const Case kReadings[] = {
    {{"iban", "gb00nwbk60161331926819"}, "GB29 NWBK 6016 1331 9268 19\n", 0},
    {{"iban", "DE 89 370400440532013000"}, "DE89 3704 0044 0532 0130 00\n", 0},
    {{"vin", "L M N 12345 ? 6 7 890001"}, "LMN12345X67890001\n", 0},
    {{"vin", "LLL-11111-0-2-2-222222-99"}, "LLL11111X22222222\n", 0},
    {{"cip", "1234569"}, "123456 2\n", 0},
    {{"cip", " 123 456  9 "}, "123456 2\n", 0},
    {{"cip", "12?456 8"}, "", 0},           // no candidate: an empty list is no error
    {{"avs", "1234560005"}, "123 45 600 05\n", 0},  // no check digit fits: shown without one
    {{"ean", "--type", "ean8", "12345678901"}, "1234 5670\n", 0},
    // Too short for --check: a missing key is wrong, missing body characters are unknown.
    {{"siret", "--check", "1234567820001"}, "ERREUR 123456782 0001 (clé attendue : 0)\n", 1},
    {{"cip", "--check", "123456"}, "ERREUR 123456 ? (clé attendue : 2)\n", 1},
    {{"iban", "--check", "FR"}, "ERREUR FR?? (longueur : 27 attendus pour FR)\n", 1},  // no completion can pass
    {{"iban", "--check", "ZZ"}, "ERREUR ZZ?? (caractères inconnus)\n", 1},
    {{"vin", "--check", "LMN12345X678900"}, "ERREUR LMN12345X678900 (longueur : 17 caractères attendus)\n", 1},
    {{"siret", "--check", "12345"}, "ERREUR 12345 (trop de caractères inconnus)\n", 2},
    {{"insee", "--check", "1 85 05 78 ??? ?84"}, "ERREUR 1 85 05 78 ??? ?84 (caractères inconnus)\n", 1},  // four: searched
    {{"insee", "--check", "n/a"}, "ERREUR (trop de caractères inconnus)\n", 2},
    {{"isbn", "--check", "9992171234"}, "ERREUR 99921-712-3-4 (clé attendue : 5)\n", 1},
    {{"isbn", "--check", "9786390000004"}, "OK 9786390000004\n", 0},  // no range holds it: no hyphens
    {{"isbn", "--check", "978-0-306-40615-7 99"}, "ERREUR 978-0-306-40615-7 99 (longueur : 13 caractères attendus)\n", 1},
    {{"isbn", "84997076?1"}, "84-9970-766-1\n", 0},                   // a known key lists every body that fits
    // Several numbers: an empty line between outputs; the third has only its message.
    {{"siren", "12345678", "1?3456782", "123", "12?456782"}, "123 456 782\n\n123 456 782\n\n\n123 456 782\n", 2},
    // Options may follow the numbers; after "--" everything is a number.
    {{"siren", "123456783", "--check"}, "ERREUR 123 456 783 (clé attendue : 2)\n", 1},
    {{"siren", "--", "-123-456-78", "--check"}, "123 456 782\n\n", 2},
};

TEST(CliReading, NumbersIntoFields) {
    for (const Case& c : kReadings) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result r = RunCli(c.args, "987654321\n");  // arguments win over standard input
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

// Blanks of every kind, hyphens, dots, underscores and slashes between the
// characters of a number never change it; invisible characters are dropped;
// "*" is an unknown marker.
TEST(CliReading, SeparatorsNeverChangeANumber) {
    const Case cases[] = {
        {{"iban", "--check", "FR76-3000-6000-0112-3456-7890-189"}, "OK FR76 3000 6000 0112 3456 7890 189\n", 0},
        {{"iban", "--check", "FR76_3000/6000.0112\u200B3456\u20607890\u00A0189"}, "OK FR76 3000 6000 0112 3456 7890 189\n", 0},
        {{"iban", "FR76 3000 6000 0112 3456 7890 1*9"}, "FR76 3000 6000 0112 3456 7890 189\n", 0},
        {{"vin", "--check", "1M8.GDM9A.X.KP/042788"}, "OK 1M8GDM9AXKP042788\n", 0},
        {{"vin", "1M8_GDM9A_*_KP_042788"}, "1M8GDM9AXKP042788\n", 0},
        {{"cip", "340093-5"}, "340093 5\n", 0},
        {{"cip", "--check", "34.00.93/5"}, "OK 340093 5\n", 0},
        {{"cip", "12345 2"}, "123452 7\n", 0},  // the blank is no boundary between code and key
        {{"insee", "--check", "1\u200E85\u202A05\u202E78\uFEFF006\u2064084\u200991"}, "OK 1 85 05 78 006 084 91\n", 0},
        {{"insee", "1-85-05-78-006-0*4-91"}, "1 85 05 78 006 084 91\n", 0},
        {{"sin", "--check", "046_454_286"}, "OK 046 454 286\n", 0},
        {{"siret", "--check", "356.000.000/4983.7"}, "OK 356000000 4983 7\n", 0},
        {{"ean", "--check", "4-006381-33393\u200B1"}, "OK 4 006381 333931\n", 0},
        {{"carte", "--check", "4970_1012_3456_7893"}, "OK 4970 1012 3456 7893\n", 0},
        {{"carte", "--check", "4970/1012/3456/7893/4567/1"}, "ERREUR 4970 1012 3456 7893 456 (longueur : 19 chiffres attendus)\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

TEST(CliInput, LinesInOrderBlankOnesSkipped) {
    // A byte order mark, CRLF, blank lines, a last line without its newline.
    const Result r = RunCli({"siren", "--check"},
                            "\xEF\xBB\xBF" "123456782\r\n\n   \t\n123456783\n  \r\n123 456 782 0001\n12345678");
    EXPECT_EQ(r.out,
              "OK 123 456 782\n"
              "ERREUR 123 456 783 (clé attendue : 2)\n"
              "ERREUR 123 456 782 (longueur : 9 chiffres attendus)\n"
              "ERREUR 123 456 78 (clé attendue : 2)\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(RunCli({"siren"}, "").out, "");
    EXPECT_EQ(RunCli({"siren"}, "").status, 0);
}

// Lines read quickly and lines the full check answers, in one batch: each
// keeps its place, and the exit status is the worst.
TEST(CliInput, PlainAndUnusualNumbersInOneBatch) {
    const Result r = RunCli({"siret", "--check"},
                            "73282932000074\n35060000095318\n732 829 320 00075\n356 000 000 49837\n7328293200007?\n55210055400013\n");
    EXPECT_EQ(r.out,
              "OK 732829320 0007 4\nERREUR 350600000 9531 8 (clé SIREN)\nERREUR 732829320 0007 5 (clé attendue : 4)\n"
              "OK 356000000 4983 7\nERREUR 732829320 0007 (clé attendue : 4)\nOK 552100554 0001 3\n");
    EXPECT_EQ(r.status, 1);
}

TEST(CliInput, ManyLinesAndLongLinesCrossTheBlocks) {
    std::string input;
    std::string expected;
    for (int i = 0; i < 60000; ++i) {
        const bool right = i % 3 != 0;
        input += right ? "123456782 0001 0\n" : "123 456 782 00018\n";
        expected += right ? "OK 123456782 0001 0\n" : "ERREUR 123456782 0001 8 (clé attendue : 0)\n";
    }
    // A line beyond the longest a number can be written in (and beyond one
    // block): an error for that line, which is not held whole.
    input += "12345678200010" + std::string(3 << 20, '7') + "\n12345678200010\n";
    expected += "ERREUR 1234567820001077777777777777777777777777\u2026 (trop long)\nOK 123456782 0001 0\n";
    input += std::string(4096, '1') + "\n" + std::string(4097, '1') + "\n";
    expected += "ERREUR 111111111 1111 1 (longueur : 14 chiffres attendus)\nERREUR 1111111111111111111111111111111111111111\u2026 (trop long)\n";
    const Result r = RunCli({"siret", "--check"}, input);
    EXPECT_EQ(r.out.size(), expected.size());
    EXPECT_TRUE(r.out == expected) << r.out.substr(r.out.size() > 300 ? r.out.size() - 300 : 0);  // no diff of megabytes
    EXPECT_EQ(r.status, 2);
}

// The longest line read is 4 096 bytes, whether a newline ends it or not.
TEST(CliInput, LongestLine) {
    const std::string blanks(4096 - 9, ' ');
    const struct {
        Args args;
        std::string input;
        const char* out;
        int status;
    } cases[] = {
        {{"siren", "--check"}, blanks + "732829320", "OK 732 829 320\n", 0},
        {{"siren", "--check"}, "732829320" + blanks, "OK 732 829 320\n", 0},
        {{"siren", "--check"}, blanks + "732829320\n", "OK 732 829 320\n", 0},
        {{"siren", "--check"}, " " + blanks + "732829320", "ERREUR 73282932 (trop long)\n", 2},
        {{"siren", "--corrige"}, std::string(4097, '7'), "# 7777777777777777777777777777777777777777\u2026\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(c.input.size() - 12));
        const Result r = RunCli(c.args, c.input);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

TEST(CliInput, FourUnknownVinCharactersListEveryCandidate) {
    const Result r = RunCli({"vin", "??N12345?6789??01"});  // 33^4 rows, a large output
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> rows = Lines(r.out);
    ASSERT_EQ(rows.size(), 33u * 33u * 33u * 33u);
    EXPECT_EQ(rows.front().substr(0, 8) + rows.front().substr(11), "00N12345890001");
    EXPECT_EQ(rows.back().substr(0, 8) + rows.back().substr(11), "ZZN1234589ZZ01");
}

// Each character beyond ASCII, or each byte that is not UTF-8, is one foreign
// character: never a digit, a letter or "?".
TEST(CliInput, CharactersBeyondAscii) {
    const Case cases[] = {
        // The SIN field turns a sign into an unknown digit; it must count as one.
        {{"sin", "--check", "12\xC3\xA9" "45678"}, "ERREUR 12? 456 78 (caractères inconnus)\n", 1},
        {{"sin", "--check", "12\xE2\x82\xAC" "45678"}, "ERREUR 12? 456 78 (caractères inconnus)\n", 1},
        {{"sin", "--check", "12\xF0\x9F\x98\x80" "45678"}, "ERREUR 12? 456 78 (caractères inconnus)\n", 1},
        {{"sin", "--check", "12\xFF" "45678"}, "ERREUR 12? 456 78 (caractères inconnus)\n", 1},
        {{"sin", "--check", "12\xE2\x82" "45678"}, "ERREUR 12? 456 78 (caractères inconnus)\n", 1},
        // An overlong form of U+00A0 is no blank: three unreadable bytes.
        {{"sin", "--check", "046\xE0\x82\xA0" "454286"}, "ERREUR 046 ??? 454 (caractères inconnus)\n", 1},
        // The hair space (U+200A), the last of the spaces of typography, is a blank.
        {{"sin", "--check", "046\xE2\x80\x8A" "454\xE2\x80\x8A" "286"}, "OK 046 454 286\n", 0},
        // The SIREN field drops it.
        {{"siren", "--check", "123\xC3\xA9" "456782"}, "OK 123 456 782\n", 0},
        // The country field keeps it: it is shown as U+FFFD and counts 0 in the key.
        {{"iban", "\xC3\x89R00 30006000011234567890189"}, "\xEF\xBF\xBDR17 3000 6000 0112 3456 7890 189\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

// ---------------------------------------------------------------------------

TEST(CliJson, CalculeObjects) {
    const Result r = RunCli({"cip", "--json", "123456", "12?456 9", "12?456 8", "1"});
    EXPECT_EQ(r.out,
              "{\"input\":\"123456\",\"kind\":\"cip\",\"outcome\":\"complete\",\"number\":\"123456 2\"}\n"
              "{\"input\":\"12?456 9\",\"kind\":\"cip\",\"outcome\":\"incomplete\",\"rows\":[\"122456 9\"]}\n"
              "{\"input\":\"12?456 8\",\"kind\":\"cip\",\"outcome\":\"incomplete\",\"rows\":[]}\n"
              "{\"input\":\"1\",\"kind\":\"cip\",\"outcome\":\"too_many\",\"number\":\"1????? ?\","
              "\"message\":\"Trop de chiffres inconnus ! Calcul impossible.\"}\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 2);
    const Result iban = RunCli({"iban", "--json", "FR7? 3000600001123456789018?"});
    // Of the ten digits, the RIB key inside lets one through.
    EXPECT_NE(iban.out.find("\"rows\":[\"FR76 3000 6000 0112 3456 7890 189\"]}"), std::string::npos) << iban.out;
}

TEST(CliJson, CheckObjects) {
    const Result r = RunCli({"avs", "--check", "--json"}, "12345678903\n12345678904\n12345600055\n1234?678903\n");
    EXPECT_EQ(r.out,
              "{\"input\":\"12345678903\",\"kind\":\"avs\",\"outcome\":\"complete\",\"number\":\"123 45 678 903\","
              "\"valid\":true,\"expected_key\":\"3\"}\n"
              "{\"input\":\"12345678904\",\"kind\":\"avs\",\"outcome\":\"complete\",\"number\":\"123 45 678 904\","
              "\"valid\":false,\"expected_key\":\"3\",\"cause\":\"clé attendue : 3\"}\n"
              "{\"input\":\"12345600055\",\"kind\":\"avs\",\"outcome\":\"complete\",\"number\":\"123 45 600 055\","
              "\"valid\":false,\"expected_key\":null,\"cause\":\"clé attendue : aucune\"}\n"
              "{\"input\":\"1234?678903\",\"kind\":\"avs\",\"outcome\":\"incomplete\",\"number\":\"123 4? 678 903\","
              "\"valid\":false,\"expected_key\":null,\"cause\":\"caractères inconnus\"}\n");
    EXPECT_EQ(r.status, 1);
    // A whole La Poste SIRET is complete, though its key is searched for.
    const Result laPoste = RunCli({"siret", "--check", "--json", "35600000049837"});
    EXPECT_EQ(laPoste.out,
              "{\"input\":\"35600000049837\",\"kind\":\"siret\",\"outcome\":\"complete\",\"number\":\"356000000 4983 7\","
              "\"valid\":true,\"expected_key\":\"2 ou 7\"}\n");
    EXPECT_EQ(laPoste.status, 0);
}

TEST(CliJson, StringsAreEscaped) {
    const Case cases[] = {
        // Quote, backslash, tab, a control character, a well-formed é, a stray
        // byte; the country field shows a foreign character, the key field the
        // quote and the backslash.
        {{"iban", "--json", "--check", "\xC3\x89R\"\\\t\x01\xC3\xA9\xFF" "00"},
         "{\"input\":\"\xC3\x89R\\\"\\\\\\t\\u0001\xC3\xA9\\ufffd00\",\"kind\":\"iban\",\"outcome\":\"complete\","
         "\"number\":\"\\ufffdR\\\"\\\\ 00\",\"valid\":false,\"expected_key\":\"17\","
         "\"cause\":\"pays sans IBAN\"}\n",
         1},
        // Every control character below U+0020, the escape and U+001F included.
        {{"siren", "--json", "--check", "73282932\x1B" "0\x1F"},
         "{\"input\":\"73282932\\u001b0\\u001f\",\"kind\":\"siren\",\"outcome\":\"complete\",\"number\":\"732 829 320\","
         "\"valid\":true,\"expected_key\":\"0\"}\n",
         0},
        // An overlong sequence (of U+00A0) is three unreadable characters, none a blank.
        {{"sin", "--json", "--check", "046\xE0\x82\xA0" "454286"},
         "{\"input\":\"046\\ufffd\\ufffd\\ufffd454286\",\"kind\":\"sin\",\"outcome\":\"incomplete\",\"number\":\"046 ??? 454\","
         "\"valid\":false,\"expected_key\":null,\"cause\":\"caractères inconnus\"}\n",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

// ---------------------------------------------------------------------------

TEST(CliUsage, ErrorsGoToStandardErrorWithStatus2) {
    const std::pair<Args, const char*> cases[] = {
        {{}, "type de numéro manquant"},
        {{"SIRET", "1"}, "type de numéro inconnu : « SIRET »"},
        {{"siret", "--fast", "1"}, "option inconnue : « --fast »"},
        {{"siret", "--type", "ean8", "1"}, "l'option --type ne vaut que pour le type ean"},
        {{"ean", "--type", "ean9", "1"}, "type de code inconnu : « ean9 »"},
        {{"ean", "--type"}, "l'option --type attend un type de code"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(message);
        const Result r = RunCli(args, "123456782\n");
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("ferrino-cli --help"), std::string::npos);
        EXPECT_EQ(r.status, 2);
    }
}

TEST(CliUsage, HelpAndVersion) {
    for (const Args& args : {Args{"--help"}, Args{"siret", "--check", "--help"}}) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("Usage : ferrino-cli TYPE [OPTIONS] [NUMÉRO ...]\n", 0), 0u);
        for (const char* kind : {"insee", "rib", "iban", "prof", "avs", "isbn", "carte", "siren", "siret", "ean", "sin",
                                 "vin", "cip"})
            EXPECT_NE(r.out.find(std::string("\n  ") + kind + " "), std::string::npos) << kind;
    }
    // The version, then the edition of every table of reference data.
    const Result version = RunCli({"--version"});
    EXPECT_EQ(version.out.rfind(std::string("ferrino-cli ") + FERRINO_VERSION + "\nDonnées de référence :\n", 0), 0u) << version.out;
    for (const char* edition : {"Code officiel géographique 2026", "iban-to-bic 1.4.0", "vin-decode 0.2.0", "credit-card-type 10.3.0"})
        EXPECT_NE(version.out.find(edition), std::string::npos) << edition;
    EXPECT_EQ(version.status, 0);
}

TEST(CliUsage, ReadAndWriteFailuresAreReported) {
    const Result unreadable = RunCli({"siren", "--check"}, "", WorkDir());  // a folder as input
    EXPECT_NE(unreadable.err.find("impossible de lire l'entrée standard"), std::string::npos) << unreadable.err;
    EXPECT_EQ(unreadable.status, 2);
    if (access("/dev/full", W_OK) == 0) {
        const Result full = RunCli({"siren", "--check"}, "123456782\n", "", "/dev/full");
        EXPECT_NE(full.err.find("impossible d'écrire la sortie"), std::string::npos) << full.err;
        EXPECT_EQ(full.status, 2);
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Checks that judge more than the key, and the numbers they read whole.

TEST(CliCheck, WholeNumbers) {
    const Case cases[] = {
        // IBAN: registered country and length, then key, then the RIB inside.
        {{"iban", "--check", "FR76 3000 6000 0112 3456 7890 189"}, "OK FR76 3000 6000 0112 3456 7890 189\n", 0},
        {{"iban", "--check", "GF76 3000 6000 0112 3456 7890 189"}, "ERREUR GF76 3000 6000 0112 3456 7890 189 (pays sans IBAN)\n", 1},
        {{"iban", "--check", "FR76 3000 6000 0112 3456 7890 18"},
         "ERREUR FR76 3000 6000 0112 3456 7890 18 (longueur : 27 attendus pour FR)\n", 1},
        {{"iban", "--check", "FR54 3000 6000 0112 3456 7890 100"}, "ERREUR FR54 3000 6000 0112 3456 7890 100 (clé RIB)\n", 1},
        {{"iban", "--check", "GB31 NWBK 6016 1331 9268 190"}, "ERREUR GB31 NWBK 6016 1331 9268 190 (longueur : 22 attendus pour GB)\n", 1},
        {{"iban", "--check", "FR76 3000 6000 0112 3456 7890 1893 4567 8901"},
         "ERREUR FR76 3000 6000 0112 3456 7890 1893 4567 \u2026 (trop long)\n", 2},
        {{"iban", "--check", "FR76 3000 6O00 0112 3456 7890 189"},
         "ERREUR FR76 3000 6O00 0112 3456 7890 189 (caractère 6 du BBAN : chiffre attendu pour FR)\n", 1},
        {{"iban", "--check", "BE41 5390 0754 7035"}, "ERREUR BE41 5390 0754 7035 (clé nationale)\n", 1},
        {{"iban", "--check", "FR?? 3000 6000 0112 3456 7890 1?"},
         "ERREUR FR?? 3000 6000 0112 3456 7890 1? (longueur : 27 attendus pour FR)\n", 1},
        {{"iban", "--check", "NO07.8380.08.06006"}, "OK NO07 8380 0806 006\n", 0},
        {{"iban", "--check", "ES91-2100-0418-4502-0005-1332"}, "OK ES91 2100 0418 4502 0005 1332\n", 0},
        // VIN: exactly seventeen characters, none of I, O, Q.
        {{"vin", "--check", "1M8GDM9AXKP0427881"}, "ERREUR 1M8GDM9AXKP0427881 (longueur : 17 caractères attendus)\n", 1},
        {{"vin", "--check", "1M8GDM9AXKQ042788"}, "ERREUR 1M8GDM9AXKQ042788 (caractère interdit : I, O ou Q)\n", 1},
        // Card: every digit counts; 34 and 37 begin fifteen digits, seventeen to nineteen are judged as such.
        {{"carte", "--check", "4970 1012 3456 7893 4"}, "ERREUR 4970 1012 3456 7893 4 (clé attendue : 6)\n", 1},
        {{"carte", "--check", "378282246310005", "4111 1111 1111 1111 110", "4970 1012 3456 7893 4567 1"},
         "OK 3782 822463 10005\nOK 4111 1111 1111 1111 110\nERREUR 4970 1012 3456 7893 456 (longueur : 19 chiffres attendus)\n", 1},
        {{"carte", "378282246310005", "3782 8224 6310 00?"}, "3782 822463 10005\n\n3782 822463 10005\n", 0},
        // The whole number is judged: what a field would drop is no right number.
        {{"siren", "--check", "3025691401", "73282932000075"},
         "ERREUR 302 569 140 (longueur : 9 chiffres attendus)\nERREUR 732 829 320 (longueur : 9 chiffres attendus)\n", 1},
        {{"rib", "--check", "30006 00001 12345678901 891"}, "ERREUR 30006 00001 12345678901 89 (longueur : 23 caractères attendus)\n", 1},
        {{"siren", "--corrige", "3025691401"}, "# 3025691401\n", 1},
        // AVS: thirteen digits are a current number, of Switzerland.
        {{"avs", "--check", "757.1234.5678.96"}, "ERREUR 757.1234.5678.96 (code pays 757 : 756 attendu)\n", 1},
        {{"avs", "--corrige", "7571234567897"}, "# 7571234567897\n756.1234.5678.97\n", 0},
        {{"avs", "75?.1234.5678.97"}, "756.1234.5678.97\n", 0},
        // Health professional: A or B in position 2 only after a 2.
        {{"prof", "--check", "0B4284804", "2B 1 23456 0"}, "ERREUR 0? 4 28480 4 (caractères inconnus)\nOK 2B 1 23456 0\n", 1},
        // EAN: an unknown marker keeps its place and is searched.
        {{"ean", "--", "40063813?3931"}, "4 006381 333931\n", 0},
        {{"ean", "--type", "upce", "--", "0 4252?1 4"}, "0 425261 4\n", 0},
        // Any length of Luhn number, or an error for that number alone.
        {{"luhn", "--check", "3782 822463 10005", "4992 7398 716", "1"},
         "OK 3782 8224 6310 005\nOK 4992 7398 716\nERREUR 1 (longueur)\n", 1},
        {{"luhn", "4992 7398 71?", "123456789012345678901234567890123"},
         "4992 7398 716\n\nERREUR 123456789012345678901234567890123 (longueur)\n", 1},
        // La Poste: the sum of the digits, two keys fit.
        {{"siret", "--check", "356 000 000 49837", "356 000 000 49832", "356 000 000 49833"},
         "OK 356000000 4983 7\nOK 356000000 4983 2\nERREUR 356000000 4983 3 (clé attendue : 2 ou 7)\n", 1},
        {{"siret", "356 000 000 4983"}, "356000000 4983 2\n356000000 4983 7\n", 0},
        {{"siret", "356 000 000 0004"}, "356000000 0004 8\n", 0},
        {{"siret", "35600000074568", "356000000 4983 3"}, "356000000 7456 4\n356000000 7456 9\n\n356000000 4983 2\n356000000 4983 7\n", 0},
        // Its SIREN must be right, in searches and corrections too.
        {{"siret", "?32829320 0007"}, "732829320 0007 4\n", 0},
        {{"siret", "--corrige", "73282932000075"},
         "# 73282932000075\n732829320 9007 5\n732829320 0907 5\n732829320 0097 5\n732829320 0002 5\n732829320 0007 4\n", 0},
        // The SIREN inside has its own key: a swap there can keep the SIRET's.
        {{"siret", "--check", "35060000095318"}, "ERREUR 350600000 9531 8 (clé SIREN)\n", 1},
        // A wrong key is named before a wrong SIREN; La Poste's head office keeps its Luhn key.
        {{"siret", "--check", "35060000095319", "35600000000048"}, "ERREUR 350600000 9531 9 (clé attendue : 8)\nOK 356000000 0004 8\n", 1},
        // The blanks of French typography are blanks.
        {{"sin", "--check", "046\xC2\xA0" "454\xE2\x80\xAF" "286"}, "OK 046 454 286\n", 0},
        {{"insee", "--check", "2 53 07 2B 073 004 70"}, "OK 2 53 07 2B 073 004 70\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

// The published numbers of tests/data/published.tsv, which the engine and
// page tests read as well: --check says OK for each right one, ERREUR for
// the others, one process per kind and code type, the numbers on standard input.
TEST(CliCheck, PublishedNumbers) {
    std::ifstream in(FERRINO_PUBLISHED_NUMBERS);
    ASSERT_TRUE(in) << FERRINO_PUBLISHED_NUMBERS;
    std::vector<std::pair<Args, std::vector<std::pair<std::string, bool>>>> groups;  // kind and type, numbers
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string kind, type, number, right;
        std::getline(fields, kind, '\t');
        std::getline(fields, type, '\t');
        std::getline(fields, number, '\t');
        std::getline(fields, right, '\t');
        Args args{kind, "--check"};
        if (type != "-") args.insert(args.end(), {"--type", type});
        if (groups.empty() || groups.back().first != args) groups.push_back({args, {}});
        groups.back().second.emplace_back(number, right == "yes");
    }
    ASSERT_GE(groups.size(), 10u);
    for (const auto& [args, numbers] : groups) {
        SCOPED_TRACE(testing::PrintToString(args));
        std::string input;
        bool allRight = true;
        for (const auto& [number, right] : numbers) {
            input += number + "\n";
            allRight = allRight && right;
        }
        const Result r = RunCli(args, input);
        const std::vector<std::string> lines = Lines(r.out);
        ASSERT_EQ(lines.size(), numbers.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].substr(0, lines[i].find(' ')), numbers[i].second ? "OK" : "ERREUR") << numbers[i].first;
        EXPECT_EQ(r.status, allRight ? 0 : 1);
    }
}

TEST(CliCorrige, TextAndJson) {
    const Case cases[] = {
        // A wrong number: its line, then every number one slip away.
        {{"insee", "--corrige", "1 85 05 78 006 084 19"},
         "# 1 85 05 78 006 084 19\n1 35 05 78 006 084 19\n1 85 05 78 086 084 19\n1 85 05 78 006 084 91\n", 0},
        // A right one: its line only.
        {{"insee", "--corrige", "1 85 05 78 006 084 91"}, "# 1 85 05 78 006 084 91\n", 0},
        // Unknown characters: nothing to correct.
        {{"insee", "--corrige", "1 85 05 78 006 0?4 91"}, "# 1 85 05 78 006 0?4 91\n", 1},
        {{"cip", "--corrige", "--json", "123465 2", "123456 2"},
         "{\"saisi\":\"123465 2\",\"valide\":false,\"corrections\":[\"723465 2\",\"163465 2\",\"126465 2\",\"123265 2\","
         "\"123456 2\",\"123485 2\",\"123462 2\",\"123465 1\"]}\n"
         "{\"saisi\":\"123456 2\",\"valide\":true,\"corrections\":[]}\n",
         0},
        {{"cip", "--corrige", "--check", "123456"}, "", 2},
        // IBAN: slips keep to what each place holds, and the RIB key agrees.
        {{"iban", "--corrige", "FR7630006000011234567890198"},
         "# FR7630006000011234567890198\nFR76 3000 6000 0112 3456 7890 189\n", 0},
        {{"iban", "--corrige", "IT60 X054 2811 1010 0000 0123 465"},
         "# IT60 X054 2811 1010 0000 0123 465\nIT60 X054 2811 1010 0000 0113 465\nIT60 X054 2811 1010 0000 0123 456\n", 0},
        // Listed rows end with no blank (an IBAN row does in the window's list).
        {{"iban", "--corrige", "DE99 3704 0044 0532 0130 00"}, "# DE99 3704 0044 0532 0130 00\nDE89 3704 0044 0532 0130 00\n", 0},
        {{"iban", "--corrige", "--json", "DE99 3704 0044 0532 0130 00"},
         "{\"saisi\":\"DE99 3704 0044 0532 0130 00\",\"valide\":false,\"corrections\":[\"DE89 3704 0044 0532 0130 00\"]}\n", 0},
        // No key fits, yet the number is whole: it has corrections.
        {{"avs", "--corrige", "12345600055"},
         "# 12345600055\n223 45 600 055\n163 45 600 055\n121 45 600 055\n123 15 600 055\n123 41 600 055\n123 45 060 055\n"
         "123 45 500 055\n123 45 610 055\n123 45 604 055\n123 45 600 505\n123 45 600 955\n123 45 600 025\n",
         0},
        // What is refused as a whole number has nothing to correct, and says why in JSON.
        {{"vin", "--corrige", "1M8GDM9AXKP0427881"}, "# 1M8GDM9AXKP0427881\n", 1},
        {{"vin", "--corrige", "--json", "1M8GDM9AXKP0427881"},
         "{\"saisi\":\"1M8GDM9AXKP0427881\",\"valide\":false,\"corrections\":[],\"cause\":\"longueur : 17 caractères attendus\"}\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
    // From standard input, one number a line.
    const Result r = RunCli({"siren", "--corrige"}, "732829302\n732829320\n");
    EXPECT_EQ(r.out.substr(0, 12), "# 732829302\n");
    EXPECT_NE(r.out.find("732 829 320\n732 829 304\n# 732829320\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.status, 0);
}

// ---------------------------------------------------------------------------
// What a number says of itself (--info), and which kinds take it (auto).

TEST(CliDetails, InfoAndAuto) {
    const Case cases[] = {
        {{"insee", "--info", "1 85 05 78 006 084 91", "2 69 05 49 588 157 8", "2 69 05 49 588 15"},
         "1 85 05 78 006 084 91\nClé correcte.\nSexe : homme\nNé(e) en : mai 1985\nDépartement : Yvelines (78)\n"
         "Commune : Adainville (78006)\n\n2 69 05 49 588 157 80\nClé calculée : 80.\nSexe : femme\n"
         "Né(e) en : mai 1969\nDépartement : Maine-et-Loire (49)\nCommune : code 49588 inconnu\n\n"
         "2 69 05 49 588 15\nNuméro incomplet : aucun détail.\n",
         1},
        {{"vin", "--info", "WVWZZZ1JZ3W386752"},
         "WVWZZZ1JZ3W386752\nClé non conforme (facultative hors Amérique du Nord et Chine).\nConstructeur : Volkswagen\n"
         "Pays : Allemagne\nAnnée modèle : 2003 (si le 10e caractère la donne)\n"
         "Clé de contrôle : facultative hors Amérique du Nord et Chine\n",
         0},
        {{"vin", "--check", "WVWZZZ1JZ3W386752", "1M8GDM9A3KP042788"},
         "OK WVWZZZ1JZ3W386752\nERREUR 1M8GDM9A3KP042788 (clé attendue : X)\n", 1},
        {{"vin", "--info", "WVWZZZ1JZ3W38675"}, "WVWZZZ1JZ3W38675?\nERREUR (longueur : 17 caractères attendus)\n", 1},
        {{"siret", "--info", "--json", "73282932000074"},
         "{\"input\":\"73282932000074\",\"kind\":\"siret\",\"number\":\"732829320 0007 4\",\"valid\":true,"
         "\"verdict\":\"Clé correcte.\",\"details\":[{\"label\":\"SIREN\",\"value\":\"732 829 320\"},"
         "{\"label\":\"Établissement\",\"value\":\"0007\"},{\"label\":\"TVA intracommunautaire\",\"value\":\"FR44732829320\"}]}\n",
         0},
        {{"auto", "732 829 320", "4006381333931"},
         "# 732 829 320\nprof : 73 2 82932 0\n  Département : Savoie (73)\n  Catégorie : 2\n  Numéro d'inscription : 82932\n"
         "siren : 732 829 320\n  TVA intracommunautaire : FR44732829320\nsin : 732 829 320\n"
         "  Province : Colombie-Britannique, Yukon\n\n# 4006381333931\n"
         "ean --type ean13 : 4 006381 333931\n  Type de code : EAN 13\n  Préfixe GS1 : 400 : GS1 Allemagne\n",
         0},
        {{"siren", "--info", "FR 40 303 265 045"},
         "303 265 045\nNuméro de TVA intracommunautaire : SIREN 303 265 045. Clé correcte.\n"
         "TVA intracommunautaire : FR40303265045\n",
         0},
        {{"auto", "12345"}, "# 12345\nAucun type : ce n'est un numéro juste d'aucun type connu.\n", 1},
        {{"auto", "--json", "FR7630006000011234567890189"},
         "{\"input\":\"FR7630006000011234567890189\",\"kinds\":[{\"kind\":\"iban\",\"number\":\"FR76 3000 6000 0112 3456 7890 189\","
         "\"details\":[{\"label\":\"Pays\",\"value\":\"France (FR)\"},{\"label\":\"SEPA\",\"value\":\"oui\"},"
         "{\"label\":\"Banque\",\"value\":\"30006\"},{\"label\":\"Guichet\",\"value\":\"00001\"},"
         "{\"label\":\"Compte\",\"value\":\"12345678901\"},{\"label\":\"Clé RIB\",\"value\":\"89\"},"
         "{\"label\":\"RIB\",\"value\":\"30006 00001 12345678901 89\"},{\"label\":\"BIC probable\",\"value\":\"AGRIFRPP\"}]}]}\n",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, c.status);
    }
}

// Standard input, a line a number, as every mode reads it.
TEST(CliDetails, LinesOnStandardInput) {
    const Result info = RunCli({"isbn", "--info", "--json"}, "2-07-036822-X\r\n\n978-2-07-036822-8\n");
    const std::vector<std::string> lines = Lines(info.out);
    ASSERT_EQ(lines.size(), 2u) << info.out;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.rfind("{\"input\":", 0), 0u) << line;
        EXPECT_NE(line.find("\"valid\":true"), std::string::npos) << line;
        EXPECT_NE(line.find("{\"label\":\"Groupe\",\"value\":\"978-2 : pays de langue française\"}"), std::string::npos) << line;
    }
    const Result found = RunCli({"auto"}, "046 454 286\n");
    EXPECT_EQ(found.out.rfind("# 046 454 286\n", 0), 0u) << found.out;
    EXPECT_EQ(found.status, 0);
}

TEST(CliDetails, UsageErrors) {
    for (const Args& args : {Args{"auto", "--check", "1"}, Args{"siren", "--info", "--check", "1"},
                             Args{"siren", "--info", "--corrige", "1"}, Args{"auto", "--type", "upce", "1"}}) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
    }
}
