// Reading the rows of keys/insee/Communes.cpp; tools/make_communes.py
// describes their text.
#include "Communes.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "CommuneTable.h"

namespace ferrino {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const DepartementRow* FindDepartement(std::string_view code)
{
    const auto rows = DepartementRows();
    const auto it = std::lower_bound(rows.begin(), rows.end(), code,
                                     [](const DepartementRow& row, std::string_view key) { return row.code < key; });
    return it != rows.end() && it->code == code ? &*it : nullptr;
}

char LuhnKey(std::string_view body)
{
    int total = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        int digit = body[body.size() - 1 - i] - '0';
        if (i % 2 == 0) {
            digit *= 2;
            if (digit > 9) digit -= 9;
        }
        total += digit;
    }
    return static_cast<char>('0' + (10 - total % 10) % 10);
}

std::int64_t ReadNumber(std::string_view digits)
{
    std::int64_t value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string NumberText(std::int64_t number, std::size_t width)
{
    std::string text(width, '0');
    for (std::size_t i = width; i-- > 0; number /= 10) text[i] = static_cast<char>('0' + number % 10);
    return text;
}

// One decoded line of a département's text.
struct Line {
    int number = 0;
    char kind = 'c';
    std::string name;
    std::string_view parent;
    std::int64_t sirenBody = -1;  // the SIREN's first eight digits, or -1 for none
};

// Walks the lines of a département in order; Next() returns false at the end.
class Reader {
public:
    explicit Reader(const DepartementRow& row) : row_(row), text_(row.communes) {}

    bool Next()
    {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;

        std::size_t i = 0;
        int written = -1;
        while (i < line.size() && IsDigit(line[i])) written = std::max(written, 0) * 10 + (line[i++] - '0');
        line_.kind = line[i++];
        if (line_.kind != 'D') line_.number = written >= 0 ? written : line_.number + 1;
        const std::size_t shared = static_cast<std::size_t>(line[i++] - '0');
        const std::size_t stop = std::min(line.find_first_of(">#~!", i), line.size());
        line_.name.resize(std::min(shared, line_.name.size()));
        line_.name.append(line.substr(i, stop - i));
        line_.parent = {};
        std::string_view rest = line.substr(stop);
        if (!rest.empty() && rest[0] == '>') {
            line_.parent = rest.substr(1, 5);
            rest = rest.substr(6);
        }
        line_.sirenBody = -1;
        if (line_.kind != 'c' || (!rest.empty() && rest[0] == '!')) return true;
        if (!rest.empty() && rest[0] == '#') {
            line_.sirenBody = ReadNumber(rest.substr(1));
            return true;
        }
        if (!rest.empty() && rest[0] == '~') {
            const bool negative = rest.size() > 1 && rest[1] == '-';
            offset_ = ReadNumber(rest.substr(negative ? 2 : 1));
            if (negative) offset_ = -offset_;
        }
        // "21", the département (20 for Corsica), "0" and the number.
        const bool overseas = row_.code.size() == 3;
        const std::int64_t departement = row_.code == "2A" || row_.code == "2B" ? 20 : ReadNumber(row_.code);
        line_.sirenBody = 21'000'000 + departement * (overseas ? 1'000 : 10'000) + line_.number + offset_;
        return true;
    }

    const Line& Current() const { return line_; }
    std::string Number() const { return NumberText(line_.number, 5 - row_.code.size()); }
    std::string Code() const { return std::string(row_.code) + Number(); }

private:
    const DepartementRow& row_;
    std::string_view text_;
    std::size_t pos_ = 0;
    std::int64_t offset_ = 0;
    Line line_;
};

Commune MakeCommune(const DepartementRow& row, const Reader& reader)
{
    const Line& line = reader.Current();
    Commune commune;
    commune.code = reader.Code();
    commune.name = line.name;
    commune.departement = std::string(row.code);
    switch (line.kind) {
    case 'd':
    case 'D': commune.kind = CommuneKind::Deleguee; break;
    case 'a': commune.kind = CommuneKind::Associee; break;
    case 'm': commune.kind = CommuneKind::Arrondissement; break;
    default: commune.kind = CommuneKind::Commune; break;
    }
    if (commune.kind != CommuneKind::Commune) commune.parentCode = line.parent.empty() ? commune.code : line.parent;
    if (line.sirenBody >= 0) {
        commune.siren = NumberText(line.sirenBody, 8);
        commune.siren += LuhnKey(commune.siren);
    }
    return commune;
}

// The commune of a former code, which no row holds any more.
std::optional<Commune> FindFormerCode(std::string_view code)
{
    const std::string_view pairs = FormerCommuneCodes();
    std::size_t low = 0;
    std::size_t high = pairs.size() / 10;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const std::string_view former = pairs.substr(middle * 10, 5);
        if (former == code) {
            auto commune = FindCommune(pairs.substr(middle * 10 + 5, 5));
            if (!commune) return std::nullopt;
            commune->parentCode = commune->code;
            commune->parentName = commune->name;
            commune->code = std::string(code);
            commune->kind = CommuneKind::FormerCode;
            commune->delegatedName.clear();
            commune->siren.clear();
            return commune;
        }
        if (former < code) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view DepartementOfCommune(std::string_view code)
{
    if (code.size() < 2) return {};
    const std::size_t width = code.starts_with("97") || code.starts_with("98") ? 3 : 2;
    return code.size() < width ? std::string_view{} : code.substr(0, width);
}

std::optional<std::string_view> DepartementName(std::string_view code)
{
    const DepartementRow* row = FindDepartement(code);
    if (!row) return std::nullopt;
    return row->name;
}

std::optional<Commune> FindCommune(std::string_view code)
{
    if (code.size() != 5) return std::nullopt;
    const DepartementRow* row = FindDepartement(DepartementOfCommune(code));
    if (!row) return FindFormerCode(code);
    const std::string_view wanted = code.substr(row->code.size());
    if (!std::all_of(wanted.begin(), wanted.end(), IsDigit)) return std::nullopt;
    const int number = std::stoi(std::string(wanted));

    Reader reader(*row);
    std::optional<Commune> found;
    while (reader.Next()) {
        const Line& line = reader.Current();
        if (line.number > number) break;
        if (line.number < number) continue;
        if (!found) {
            found = MakeCommune(*row, reader);
        } else if (line.kind == 'D') {
            found->delegatedName = line.name;
        }
    }
    if (!found) return FindFormerCode(code);
    // The commune a déléguée, associée or arrondissement belongs to is always a
    // commune of another code, so this looks no further.
    if (found->kind != CommuneKind::Commune && found->parentCode != found->code) {
        if (const auto parent = FindCommune(found->parentCode)) found->parentName = parent->name;
    }
    return found;
}

namespace {

// Every commune's SIREN body and code, in ascending order of body: built
// once, on the first look-up, by one pass over every département's text (a
// look-up is then a binary search rather than a pass, which a command line
// that reads a SIREN a line would pay on every line).
struct SirenEntry {
    std::int64_t body;
    char code[5];
};

const std::vector<SirenEntry>& SirenIndex() {
    static const std::vector<SirenEntry> index = [] {
        std::vector<SirenEntry> entries;
        for (const DepartementRow& row : DepartementRows()) {
            Reader reader(row);
            while (reader.Next()) {
                if (reader.Current().sirenBody < 0) continue;
                SirenEntry entry{reader.Current().sirenBody, {}};
                const std::string code = reader.Code();
                std::copy_n(code.begin(), std::min<std::size_t>(code.size(), 5), entry.code);
                entries.push_back(entry);
            }
        }
        std::stable_sort(entries.begin(), entries.end(), [](const SirenEntry& a, const SirenEntry& b) { return a.body < b.body; });
        return entries;
    }();
    return index;
}

}  // namespace

std::optional<Commune> FindCommuneBySiren(std::string_view siren)
{
    if (siren.size() != 9 || !std::all_of(siren.begin(), siren.end(), IsDigit)) return std::nullopt;
    if (LuhnKey(siren.substr(0, 8)) != siren[8]) return std::nullopt;
    const std::int64_t body = ReadNumber(siren.substr(0, 8));
    const std::vector<SirenEntry>& index = SirenIndex();
    const auto found = std::lower_bound(index.begin(), index.end(), body,
                                        [](const SirenEntry& entry, std::int64_t value) { return entry.body < value; });
    if (found == index.end() || found->body != body) return std::nullopt;
    return FindCommune(std::string_view(found->code, 5));
}

}  // namespace ferrino
