#include "engine/table_state.h"

namespace tavexo {

namespace {

const char* WordText(DecisionWord word) {
    switch (word) {
        case DecisionWord::Geteilt:
            return "Geteilt";
        case DecisionWord::Verdoppelt:
            return "Verdoppelt";
        case DecisionWord::Versichert:
            return "Versichert";
        case DecisionWord::ZweimalVersichert:
            return "2 x versichert";
        case DecisionWord::Aufgegeben:
            return "Aufgegeben";
    }
    return "";
}

}  // namespace

std::string TDecisions::Text() const {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += " \u25BA ";
        text += WordText(words[i]);
    }
    return text;
}

}  // namespace tavexo
