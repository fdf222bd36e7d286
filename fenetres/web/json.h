#pragma once
// A small JSON writer for what the game hands the web page: numbers, booleans, strings, arrays
// and objects written straight into one string, with no tree in between.
#include <cstdint>
#include <string>
#include <string_view>

namespace quarvel::web {

class Json {
public:
    const std::string& texte() const { return s_; }
    void vider() {
        s_.clear();
        virgule_ = false;
    }

    Json& debutTableau() { return ouvrir('['); }
    Json& finTableau() { return fermer(']'); }
    Json& debutObjet() { return ouvrir('{'); }
    Json& finObjet() { return fermer('}'); }
    // The key of the next value of an object.
    Json& cle(std::string_view k) {
        separer();
        chaine(k);
        s_ += ':';
        virgule_ = false;
        return *this;
    }
    Json& valeur(std::int64_t n) {
        separer();
        s_ += std::to_string(n);
        return *this;
    }
    Json& valeur(int n) { return valeur(static_cast<std::int64_t>(n)); }
    Json& valeur(unsigned n) { return valeur(static_cast<std::int64_t>(n)); }
    Json& valeur(bool b) {
        separer();
        s_ += b ? "true" : "false";
        return *this;
    }
    Json& valeur(double d) {
        separer();
        s_ += std::to_string(d);
        return *this;
    }
    Json& valeur(std::string_view t) {
        separer();
        chaine(t);
        return *this;
    }
    Json& valeur(const char* t) { return valeur(std::string_view(t)); }
    Json& valeur(const std::string& t) { return valeur(std::string_view(t)); }
    Json& nul() {
        separer();
        s_ += "null";
        return *this;
    }
    template <class T> Json& champ(std::string_view k, const T& v) { return cle(k).valeur(v); }

private:
    Json& ouvrir(char c) {
        separer();
        s_ += c;
        virgule_ = false;
        return *this;
    }
    Json& fermer(char c) {
        s_ += c;
        virgule_ = true;
        return *this;
    }
    void separer() {
        if (virgule_) s_ += ',';
        virgule_ = true;
    }
    // UTF-8 passes through; quotes, backslashes and control characters are escaped.
    void chaine(std::string_view t) {
        s_ += '"';
        for (unsigned char c : t) {
            switch (c) {
            case '"':
                s_ += "\\\"";
                break;
            case '\\':
                s_ += "\\\\";
                break;
            case '\n':
                s_ += "\\n";
                break;
            case '\t':
                s_ += "\\t";
                break;
            case '\r':
                s_ += "\\r";
                break;
            default:
                if (c < 0x20) {
                    static const char chiffres[] = "0123456789abcdef";
                    s_ += "\\u00";
                    s_ += chiffres[c >> 4];
                    s_ += chiffres[c & 15];
                } else {
                    s_ += static_cast<char>(c);
                }
            }
        }
        s_ += '"';
    }

    std::string s_;
    bool virgule_ = false;
};

} // namespace quarvel::web
