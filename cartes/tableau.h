#pragma once
// Fixed arrays indexed as the game counts: seats 1..4, slots 1..18, tricks 1..18...
#include <cassert>
#include <cstddef>

namespace quarvel {

template <class T, int N, int Base = 1> struct Tableau {
    T v[N]{};

    constexpr T& operator[](int i) {
        assert(i >= Base && i < Base + N);
        return v[i - Base];
    }
    constexpr const T& operator[](int i) const {
        assert(i >= Base && i < Base + N);
        return v[i - Base];
    }
    static constexpr int premier() { return Base; }
    static constexpr int dernier() { return Base + N - 1; }
    static constexpr int taille() { return N; }
    constexpr void remplir(const T& x) {
        for (auto& e : v) e = x;
    }
    constexpr T* begin() { return v; }
    constexpr T* end() { return v + N; }
    constexpr const T* begin() const { return v; }
    constexpr const T* end() const { return v + N; }
    friend constexpr bool operator==(const Tableau& a, const Tableau& b) {
        for (int i = 0; i < N; ++i)
            if (!(a.v[i] == b.v[i])) return false;
        return true;
    }
};

} // namespace quarvel
