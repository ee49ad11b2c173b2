// For scale only, not the program's game: the least a seven-box round can
// cost on this machine. It deals from a shuffled eight-deck shoe, keeps the
// Hi-Lo running and true count, looks up one table entry per decision (hit
// or stand by total and up-card), lets the dealer draw to 17 and settles.
// No doubles, splits, surrender, insurance, bet ramp or statistics.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>

namespace {

struct Hand {
    int hard = 0;
    bool ace = false;
    void Add(int value) {
        hard += value;
        ace = ace || value == 1;
    }
    int Total() const { return ace && hard <= 11 ? hard + 10 : hard; }
};

class BareTable {
  public:
    BareTable() {
        for (int i = 0; i < 416; ++i) {
            const int rank = i % 13 + 1;
            shoe_[i] = static_cast<uint8_t>(rank > 10 ? 10 : rank);
        }
        for (int left = 0; left <= 416; ++left) {
            const int decks = (left + 26) / 52;
            inverseDecks_[left] = decks > 0 ? 1.0f / static_cast<float>(decks) : 2.0f;
        }
        for (int total = 0; total < 32; ++total) {
            for (int up = 1; up <= 10; ++up) {
                const bool weak = up >= 2 && up <= 6;
                hit_[total][up] = total < 12 || (total < 17 && !weak) || (total == 12 && up <= 3);
            }
        }
    }

    double PlayRound() {
        if (position_ > 333) Shuffle();
        std::array<Hand, 7> boxes{};
        Hand dealer;
        for (Hand& b : boxes) b.Add(Draw());
        dealer.Add(Draw());
        for (Hand& b : boxes) b.Add(Draw());
        const int up = dealer.hard;
        for (Hand& b : boxes) {
            while (b.Total() < 21 && hit_[b.Total()][up]) b.Add(Draw());
        }
        while (dealer.Total() < 17) dealer.Add(Draw());
        const int d = dealer.Total();
        double result = 0.0;
        for (const Hand& b : boxes) {
            const int t = b.Total();
            result += t > 21 ? -1.0 : (d > 21 || t > d) ? 1.0 : (t == d ? 0.0 : -1.0);
        }
        return result + trueCount_ * 1e-9;
    }

  private:
    int Draw() {
        const int value = shoe_[position_++];
        running_ += HI_LO[value];
        trueCount_ = static_cast<float>(running_) * inverseDecks_[416 - position_];
        return value;
    }

    void Shuffle() {
        for (uint64_t i = 416; i > 1; --i) {
            const uint64_t j = (static_cast<unsigned __int128>(rng_()) * i) >> 64;
            std::swap(shoe_[i - 1], shoe_[j]);
        }
        position_ = 0;
        running_ = 0;
    }

    static constexpr std::array<int, 11> HI_LO = {0, -1, 1, 1, 1, 1, 1, 0, 0, 0, -1};
    std::mt19937_64 rng_{1};
    std::array<float, 417> inverseDecks_{};
    std::array<uint8_t, 416> shoe_{};
    std::array<std::array<bool, 11>, 32> hit_{};
    int position_ = 416;
    int running_ = 0;
    float trueCount_ = 0.0f;
};

void BareSevenBoxRounds(benchmark::State& state) {
    BareTable table;
    int64_t rounds = 0;
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < 10000; ++i) sum += table.PlayRound();
        benchmark::DoNotOptimize(sum);
        rounds += 10000;
    }
    state.counters["rounds_per_second"] =
        benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
    state.counters["seconds_per_round"] = benchmark::Counter(
        static_cast<double>(rounds), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BareSevenBoxRounds)->Unit(benchmark::kMillisecond);
