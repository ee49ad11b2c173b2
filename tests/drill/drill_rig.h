#pragma once

#include <initializer_list>
#include <vector>

#include "drill/counting_drill.h"
#include "recording_drill_view.h"
#include "support/scripted_host.h"

namespace tavexo::testing {

// A drill on the virtual clock with a recording view, a fixed seed, no
// delays and no sound, so that a whole shoe runs instantly.
struct DrillRig {
    explicit DrillRig(uint64_t seed = 7) : drill(host, ShoeShuffler(seed)) {
        TCountDrillSettings quick;
        quick.cardDelay = quick.playerDelay = quick.clearPause = 0;
        quick.announcement = 2;
        drill.ApplySettings(quick);
        drill.SetView(&view);
    }
    void Places(std::initializer_list<int> active) {
        for (int place = 1; place <= DRILL_PLACE_COUNT; ++place) drill.SetPlaceActive(place, false);
        for (int place : active) drill.SetPlaceActive(place, true);
    }

    ScriptedHost host;
    RecordingDrillView view{host};
    CountingDrill drill;
};

// The dealt cards cut into rounds: a round begins where the first place
// that receives cards gets its first card.
inline std::vector<std::vector<RecordingDrillView::ShownCard>> Rounds(
    const std::vector<RecordingDrillView::ShownCard>& shown) {
    std::vector<std::vector<RecordingDrillView::ShownCard>> rounds;
    if (shown.empty()) return rounds;
    const int first = shown.front().place;
    for (const auto& card : shown) {
        if (card.place == first && card.n == 1) rounds.emplace_back();
        rounds.back().push_back(card);
    }
    return rounds;
}

}  // namespace tavexo::testing
