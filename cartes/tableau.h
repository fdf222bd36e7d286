#pragma once
// Fixed arrays indexed as the game counts: seats 1..4, slots 1..18, tricks 1..18...
#include <cassert>
#include <cstddef>
#include <type_traits>

namespace quarvel {

// The number behind a seat, a suit or a contract: for indexing, arithmetic and the records.
template <class E>
requires std::is_enum_v<E>
constexpr int entier(E e) {
    return static_cast<int>(e);
}

// first..last, for loops over slots and tricks as the game counts them: for (int i : DeA{1, 18}).
struct DeA {
    int premier, dernier;
    struct Iterateur {
        int i;
        constexpr int operator*() const { return i; }
        constexpr Iterateur& operator++() {
            ++i;
            return *this;
        }
        constexpr bool operator!=(const Iterateur& o) const { return i != o.i; }
    };
    constexpr Iterateur begin() const { return {premier}; }
    constexpr Iterateur end() const { return {dernier + 1}; }
};
// The 18 slots of a hand, the 18 tricks of a deal.
inline constexpr DeA SLOTS{1, 18};
inline constexpr DeA PLIS{1, 18};

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
    template <class E>
    requires std::is_enum_v<E>
    constexpr T& operator[](E e) { return (*this)[entier(e)]; }
    template <class E>
    requires std::is_enum_v<E>
    constexpr const T& operator[](E e) const { return (*this)[entier(e)]; }
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
