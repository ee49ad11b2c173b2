#include "engine/cards.h"

namespace tavexo {

const char* CardText(CardCode code) {
    return RANK_NAMES[CardRank(code)];
}

}  // namespace tavexo
