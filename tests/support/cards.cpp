#include "support/cards.h"

#include <sstream>
#include <stdexcept>

namespace tavexo::testing {

std::vector<CardCode> Cards(const std::string& ranks) {
    std::vector<CardCode> codes;
    std::istringstream in(ranks);
    std::string name;
    int suit = 0;
    while (in >> name) {
        int rank;
        if (name == "A") {
            rank = 1;
        } else if (name == "B") {
            rank = 11;
        } else if (name == "D") {
            rank = 12;
        } else if (name == "K") {
            rank = 13;
        } else {
            rank = std::stoi(name);
        }
        if (rank < 1 || rank > 13) throw std::invalid_argument("no such rank: " + name);
        codes.push_back(rank + 13 * (suit++ % 4));
    }
    return codes;
}

}  // namespace tavexo::testing
