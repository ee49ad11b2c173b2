#pragma once

#include <array>
#include <cstdint>
#include <limits>

namespace tavexo {

// The 64-bit Mersenne Twister, number for number std::mt19937_64 (a core
// test compares the two), written so that its regeneration of the state
// selects the twist's constant arithmetically: the standard library's
// branches on every word's low bit, which a branch predictor cannot guess,
// and the shuffle of every shoe draws on it.
class MersenneTwister64 {
  public:
    using result_type = uint64_t;

    explicit MersenneTwister64(uint64_t seed) {
        state_[0] = seed;
        for (int i = 1; i < STATE_SIZE; ++i) {
            const uint64_t previous = state_[i - 1];
            state_[i] =
                6364136223846793005ULL * (previous ^ (previous >> 62)) + static_cast<uint64_t>(i);
        }
        next_ = STATE_SIZE;
    }

    static constexpr uint64_t min() { return 0; }
    static constexpr uint64_t max() { return std::numeric_limits<uint64_t>::max(); }

    uint64_t operator()() {
        if (next_ >= STATE_SIZE) Regenerate();
        uint64_t y = state_[next_++];
        y ^= (y >> 29) & 0x5555555555555555ULL;
        y ^= (y << 17) & 0x71D67FFFEDA60000ULL;
        y ^= (y << 37) & 0xFFF7EEE000000000ULL;
        y ^= y >> 43;
        return y;
    }

  private:
    static constexpr int STATE_SIZE = 312;
    static constexpr int SHIFT_SIZE = 156;
    static constexpr uint64_t UPPER_MASK = ~uint64_t{0} << 31;
    static constexpr uint64_t LOWER_MASK = ~UPPER_MASK;
    static constexpr uint64_t TWIST = 0xB5026F5AA96619E9ULL;

    static uint64_t Twisted(uint64_t upper, uint64_t lower, uint64_t far) {
        const uint64_t y = (upper & UPPER_MASK) | (lower & LOWER_MASK);
        return far ^ (y >> 1) ^ ((0 - (y & 1)) & TWIST);
    }

    void Regenerate() {
        int k = 0;
        for (; k < STATE_SIZE - SHIFT_SIZE; ++k) {
            state_[k] = Twisted(state_[k], state_[k + 1], state_[k + SHIFT_SIZE]);
        }
        for (; k < STATE_SIZE - 1; ++k) {
            state_[k] = Twisted(state_[k], state_[k + 1], state_[k + SHIFT_SIZE - STATE_SIZE]);
        }
        state_[STATE_SIZE - 1] = Twisted(state_[STATE_SIZE - 1], state_[0], state_[SHIFT_SIZE - 1]);
        next_ = 0;
    }

    std::array<uint64_t, STATE_SIZE> state_;
    int next_;
};

}  // namespace tavexo
