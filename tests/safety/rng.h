#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace safety {

// A small generator whose sequence is the same on every compiler and library, so a
// case seed printed by one build reproduces the case on another (the standard
// distributions are free to differ between libraries).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; n must be positive.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

private:
    std::uint64_t state_;
};

// The seed of one case: a case can be run again from this number alone.
inline std::uint64_t CaseSeed(std::uint64_t runSeed, std::uint64_t index) {
    Rng mix(runSeed * 0x100000001B3ull + index);
    return mix.Next();
}

} // namespace safety
