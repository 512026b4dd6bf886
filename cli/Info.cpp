#include "Info.h"

#include "common/Session.h"

#include <vector>

#include "common/DataSets.h"
#include "common/WhichKind.h"

namespace ferrino::cli {

namespace {

// The names --type gives the EAN code types, by EanType value.
constexpr std::string_view kEanTypeNames[] = {"ean8", "ean13", "upca", "upcc", "upce"};

void AppendDetailsJson(std::string& text, const std::vector<Detail>& details) {
    text += "\"details\":[";
    for (std::size_t i = 0; i < details.size(); ++i) {
        if (i) text += ',';
        text += "{\"label\":";
        AppendJson(text, details[i].label, false);
        text += ",\"value\":";
        AppendJson(text, details[i].value, false);
        text += '}';
    }
    text += ']';
}

void AppendDetailsText(std::string& text, const std::vector<Detail>& details, std::string_view indent) {
    for (const Detail& detail : details) {
        text += indent;
        text += DetailLine(detail);
        text += '\n';
    }
}

}  // namespace

InfoRunner::InfoRunner(const NumberKind* kind, bool json, Output& out) : kind_(kind), json_(json), out_(out) {}

void InfoRunner::Process(std::string_view number, bool cut) {
    if (cut || number.size() > LineReader::kLongestLine) {
        Raise(2);
        std::string& text = out_.Text();
        if (json_) {
            text += "{\"input\":";
            AppendJson(text, number.substr(0, 40), false);
            text += ",\"valid\":false,\"cause\":\"trop long\"}\n";
        } else {
            if (count_ > 0) text += '\n';
            text += "ERREUR (trop long)\n";
        }
    } else {
        ToEngine(number, engineText_);
        if (kind_)
            Info(number);
        else
            Auto(number);
    }
    ++count_;
    out_.Spill();
}

void InfoRunner::Info(std::string_view number) {
    std::string& text = out_.Text();
    // The number of the kind inside another one, as "Calcule" reads it (the SIREN of a VAT number).
    const std::optional<InnerNumber> inner = kind_->Inner(kind_->Split(engineText_));
    const std::optional<InputFault> fault = inner ? std::nullopt : kind_->CheckInput(engineText_);
    const Reading reading = inner ? kind_->Read(inner->fields) : kind_->ReadText(engineText_);
    const Verdict verdict = kind_->Check(reading);
    const bool valid = !fault && verdict.Valid();
    Raise(fault && fault->serious ? 2 : valid ? 0 : 1);
    std::vector<Detail> details = fault ? std::vector<Detail>{} : kind_->Details(reading);
    std::string shown = reading.shown;
    // Only the key missing: as "Calcule" does, the key is computed and the
    // completed number tells its details.
    const bool keyComputed = !fault && !verdict.WholeNumber() && verdict.key == KeyState::Computed;
    if (keyComputed) {
        const SessionStep step = Session().Calcule(*kind_, inner ? inner->fields : kind_->Split(engineText_));
        details = step.details;
        shown = step.shown;
    }
    std::string said = fault ? "ERREUR (" + fault->cause + ")"
                       : verdict.WholeNumber() || keyComputed ? VerdictText(verdict)
                                                              : "Numéro incomplet : aucun détail.";
    if (inner) said = inner->said + ' ' + said;
    if (json_) {
        text += "{\"input\":";
        AppendJson(text, number, false);
        text += ",\"kind\":";
        AppendJson(text, kind_->Name(), false);
        text += ",\"number\":";
        AppendJson(text, shown, true);
        text += valid ? ",\"valid\":true" : ",\"valid\":false";
        text += ",\"verdict\":";
        AppendJson(text, said, false);
        text += ',';
        AppendDetailsJson(text, details);
        text += "}\n";
        return;
    }
    if (count_ > 0) text += '\n';
    AppendShown(text, shown);
    text += '\n';
    text += said;
    text += '\n';
    AppendDetailsText(text, details, "");
}

void InfoRunner::Auto(std::string_view number) {
    std::string& text = out_.Text();
    const std::vector<KindMatch> matches = RightKinds(engineText_);
    Raise(matches.empty() ? 1 : 0);
    if (json_) {
        text += "{\"input\":";
        AppendJson(text, number, false);
        text += ",\"kinds\":[";
        for (std::size_t i = 0; i < matches.size(); ++i) {
            const KindMatch& match = matches[i];
            if (i) text += ',';
            text += "{\"kind\":";
            AppendJson(text, match.name, false);
            if (match.name == "ean") {
                text += ",\"type\":";
                AppendJson(text, kEanTypeNames[match.codeType], false);
            }
            text += ",\"number\":";
            AppendJson(text, match.shown, true);
            text += ',';
            AppendDetailsJson(text, match.details);
            text += '}';
        }
        text += "]}\n";
        return;
    }
    if (count_ > 0) text += '\n';
    text += "# ";
    AppendShown(text, engineText_);
    text += '\n';
    if (matches.empty()) text += "Aucun type : ce n'est un numéro juste d'aucun type connu.\n";
    for (const KindMatch& match : matches) {
        text += match.name;
        if (match.name == "ean") {
            text += " --type ";
            text += kEanTypeNames[match.codeType];
        }
        text += " : ";
        AppendShown(text, match.shown);
        text += '\n';
        AppendDetailsText(text, match.details, "  ");
    }
}

void AppendDataEditions(std::string& out) {
    out += "Données de référence :\n";
    for (const DataSet& data : DataSets()) {
        out += "  ";
        out += data.name;
        out += "\n    édition : ";
        out += data.edition;
        out += "\n    licence : ";
        out += data.licence;
        out += "\n    source : ";
        out += data.source;
        out += '\n';
    }
}

}  // namespace ferrino::cli
