#include "sim/trace_writer.h"

#include <charconv>
#include <cstdio>

namespace tavexo::sim {

namespace {

template <typename T>
void AppendChars(std::string& out, T value) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void AppendCards(std::string& out, const CardCode* cards, int count) {
    out += '[';
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ',';
        AppendChars(out, cards[i]);
    }
    out += ']';
}

void AppendKey(std::string& out, const char* key) {
    out += ",\"";
    out += key;
    out += "\":";
}

}  // namespace

void AppendNumber(std::string& out, float value) {
    AppendChars(out, value);
}
void AppendNumber(std::string& out, double value) {
    AppendChars(out, value);
}
void AppendNumber(std::string& out, int64_t value) {
    AppendChars(out, value);
}
void AppendNumber(std::string& out, uint64_t value) {
    AppendChars(out, value);
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;  // UTF-8 passes as it is
        }
    }
    out += '"';
}

void AppendShoeLine(std::string& out, const TShoe& shoe) {
    out += "{\"shoe\":";
    AppendCards(out, shoe.cards.data(), shoe.total);
    AppendKey(out, "cut");
    AppendChars(out, shoe.cutPosition);
    out += "}\n";
}

void AppendBoxLine(std::string& out, int64_t round, const TPlayerBox& box,
                   const TDealerHand& dealer, const TBoxSettlement& settled) {
    out += "{\"round\":";
    AppendChars(out, round);
    AppendKey(out, "box");
    AppendChars(out, settled.box);
    AppendKey(out, "units");
    AppendChars(out, box.units);
    AppendKey(out, "stake");
    AppendChars(out, box.hands[0].stake);
    AppendKey(out, "dealer");
    AppendCards(out, dealer.cards.data(), dealer.cardCount);
    AppendKey(out, "hands");
    out += '[';
    AppendCards(out, box.hands[0].cards.data(), box.hands[0].cardCount);
    out += ',';
    AppendCards(out, box.hands[1].cards.data(), box.isSplit ? box.hands[1].cardCount : 0);
    out += ']';
    AppendKey(out, "doubled");
    out += box.hands[0].doubled ? "[1," : "[0,";
    out += box.isSplit && box.hands[1].doubled ? "1]" : "0]";
    AppendKey(out, "split");
    out += box.isSplit ? '1' : '0';
    AppendKey(out, "insurance");
    AppendChars(out, box.insuranceCount);
    AppendKey(out, "surrendered");
    out += settled.surrendered ? '1' : '0';
    AppendKey(out, "decisions");
    AppendJsonString(out, box.decisions.Text());
    AppendKey(out, "result");
    AppendChars(out, settled.result);
    AppendKey(out, "capital");
    AppendChars(out, box.capital);
    AppendKey(out, "snapshot");
    AppendChars(out, box.countSnapshot);
    AppendKey(out, "bucket");
    AppendChars(out, settled.bucket);
    out += "}\n";
}

}  // namespace tavexo::sim
