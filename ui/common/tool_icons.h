#pragma once

#include <QIcon>

namespace tavexo {

// The pictures of the tool bar and table buttons, drawn in code.
enum class ToolIcon {
    Beenden,
    Start,
    Stop,
    Statistik,
    Profile,
    Trainingszentrum,
    Hinweise,
    Zaehlen,
    Optionen,
    Neues,
    LiveTische,
    Hilfe,
    Pause,
    Weiter,
    Speichern,
    BoxOn,
};

QIcon MakeToolIcon(ToolIcon kind, int size = 32);

}  // namespace tavexo
