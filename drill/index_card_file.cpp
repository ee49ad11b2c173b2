#include "drill/index_card_file.h"

#include <cerrno>
#include <sstream>

#include "drill/calendar_days.h"
#include "drill/csv_fields.h"
#include "settings/cp1252.h"

namespace tavexo {

namespace {

std::string PlayerKey(const std::string& name) {
    return FieldText(name);
}

struct CardLine {
    std::string player;
    std::string id;
    LeitnerCard card;
};

std::optional<CardLine> ParseCardLine(const std::string& line) {
    const std::vector<std::string> f = SplitFields(line);
    if (f.size() != 7 || f[0].empty() || f[1].empty()) return std::nullopt;
    const auto box = ParseWholeField(f[2]);
    const auto due = ParseIsoDate(f[3]);
    const auto right = ParseWholeField(f[4]);
    const auto wrong = ParseWholeField(f[5]);
    const auto lastWrong = ParseWholeField(f[6]);
    if (!box || !due || !right || !wrong || !lastWrong) return std::nullopt;
    if (*right < 0 || *wrong < 0 || *right + *wrong == 0) return std::nullopt;
    if (*lastWrong != 0 && *lastWrong != 1) return std::nullopt;
    // A box out of range (a hand-edited file) is taken as the nearest one.
    return CardLine{f[0], f[1], LeitnerCard{*box, *due, *right, *wrong, *lastWrong == 1}};
}

}  // namespace

IndexCardStore IndexCardStore::Load(const std::string& trainingFolder, const FileCalls& calls) {
    IndexCardStore store;
    int error = 0;
    const auto bytes = ReadFileBytes(trainingFolder + INDEX_CARD_FILE_NAME, &error, calls);
    if (!bytes) {
        if (error != ENOENT) store.readError_ = error;
        return store;
    }
    std::istringstream in(DecodeTextBytes(*bytes).utf8);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool header = first && line == INDEX_CARD_HEADER;
        first = false;
        if (header || line.empty()) continue;
        const auto parsed = ParseCardLine(line);
        // A second line for the same card is not the boxes' own; it is kept
        // with the lines that cannot be read rather than merged.
        if (!parsed || store.decks_[parsed->player].Cards().count(parsed->id) > 0) {
            store.keptLines_.push_back(line);
            continue;
        }
        store.decks_[parsed->player].Restore(parsed->id, parsed->card);
    }
    return store;
}

LeitnerDeck& IndexCardStore::Deck(const std::string& player) {
    return decks_[PlayerKey(player)];
}

std::vector<std::string> IndexCardStore::Players() const {
    std::vector<std::string> players;
    for (const auto& [player, deck] : decks_) {
        if (!deck.Cards().empty()) players.push_back(player);
    }
    return players;
}

std::string IndexCardStore::ToBytes() const {
    std::string text = std::string(INDEX_CARD_HEADER) + "\r\n";
    for (const auto& [player, deck] : decks_) {
        for (const auto& [id, card] : deck.Cards()) {
            if (!card.Seen()) continue;
            text += player + ';' + FieldText(id) + ';' + std::to_string(card.box) + ';' +
                    IsoDate(card.dueDay) + ';' + std::to_string(card.right) + ';' +
                    std::to_string(card.wrong) + ';' + (card.lastWrong ? "1" : "0") + "\r\n";
        }
    }
    for (const std::string& kept : keptLines_) text += kept + "\r\n";
    return Utf8ToCp1252(text);
}

FileResult IndexCardStore::Save(const std::string& trainingFolder, const FileCalls& calls) const {
    const std::string path = trainingFolder + INDEX_CARD_FILE_NAME;
    if (readError_ != 0) return WriteFailure(path, readError_);
    const int error = ReplaceFileContents(path, ToBytes(), calls);
    return error == 0 ? FileResult{} : WriteFailure(path, error);
}

}  // namespace tavexo
