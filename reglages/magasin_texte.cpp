#include "reglages/magasin_texte.h"

namespace quarvel {

namespace {

constexpr char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string base64(const Octets& o) {
    std::string s;
    s.reserve((o.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < o.size(); i += 3) {
        const unsigned n = (o[i] << 16) | (i + 1 < o.size() ? o[i + 1] << 8 : 0) |
                           (i + 2 < o.size() ? o[i + 2] : 0);
        s += ALPHABET[(n >> 18) & 63];
        s += ALPHABET[(n >> 12) & 63];
        s += i + 1 < o.size() ? ALPHABET[(n >> 6) & 63] : '=';
        s += i + 2 < o.size() ? ALPHABET[n & 63] : '=';
    }
    return s;
}

int valeur64(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// The bytes, or nothing when the text is not canonical base64.
std::optional<Octets> deBase64(const std::string& s) {
    if (s.size() % 4 != 0) return std::nullopt;
    Octets o;
    o.reserve(s.size() / 4 * 3);
    for (std::size_t i = 0; i < s.size(); i += 4) {
        int v[4];
        int bourrage = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s[i + k];
            if (c == '=' && i + 4 == s.size() && k >= 2) {
                v[k] = 0;
                ++bourrage;
            } else if (bourrage > 0 || (v[k] = valeur64(c)) < 0) {
                return std::nullopt;
            }
        }
        const unsigned n = (v[0] << 18) | (v[1] << 12) | (v[2] << 6) | v[3];
        o.push_back(static_cast<std::uint8_t>(n >> 16));
        if (bourrage < 2) o.push_back(static_cast<std::uint8_t>(n >> 8));
        if (bourrage < 1) o.push_back(static_cast<std::uint8_t>(n));
    }
    return o;
}

} // namespace

std::string MagasinTexte::enTexte(const ValeurStockee& v) {
    return v.type == TypeValeur::Binaire ? "b:" + base64(v.octets) : "s:" + v.texte;
}

std::optional<ValeurStockee> MagasinTexte::deTexte(const std::string& t) {
    if (t.size() < 2 || t[1] != ':') return std::nullopt;
    ValeurStockee v;
    if (t[0] == 's') {
        v.type = TypeValeur::Chaine;
        v.texte = t.substr(2);
        return v;
    }
    if (t[0] != 'b') return std::nullopt;
    std::optional<Octets> o = deBase64(t.substr(2));
    if (!o) return std::nullopt;
    v.type = TypeValeur::Binaire;
    v.octets = std::move(*o);
    return v;
}

std::optional<ValeurStockee> MagasinTexte::lire(const std::string& nom) {
    const std::optional<std::string> t = lireTexte(nom);
    return t ? deTexte(*t) : std::nullopt;
}

bool MagasinTexte::ecrireBinaire(const std::string& nom, const Octets& octets) {
    ValeurStockee v;
    v.octets = octets;
    return ecrireTexte(nom, enTexte(v));
}

bool MagasinTexte::ecrireChaine(const std::string& nom, const std::string& texte) {
    ValeurStockee v;
    v.type = TypeValeur::Chaine;
    v.texte = texte;
    return ecrireTexte(nom, enTexte(v));
}

} // namespace quarvel
