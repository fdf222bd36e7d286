// The game's small C interface to the web page, and its settings store over the browser's
// storage. Strings handed back live until the next call.
#include "fenetres/web/session.h"
#include "reglages/magasin_texte.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

// clang-format off
EM_JS(char*, qv_stockage_lire, (const char* nom), {
    let v = null;
    try { v = window.localStorage.getItem(UTF8ToString(nom)); } catch (e) { v = null; }
    if (v === null) return 0;
    const n = lengthBytesUTF8(v) + 1;
    const p = _malloc(n);
    stringToUTF8(v, p, n);
    return p;
});

EM_JS(int, qv_stockage_ecrire, (const char* nom, const char* valeur), {
    try {
        window.localStorage.setItem(UTF8ToString(nom), UTF8ToString(valeur));
        return 1;
    } catch (e) {
        return 0;
    }
});

EM_JS(char*, qv_emplacement, (), {
    const v = window.location.origin + " (localStorage)";
    const n = lengthBytesUTF8(v) + 1;
    const p = _malloc(n);
    stringToUTF8(v, p, n);
    return p;
});
// clang-format on

// The values under one prefix, as the registry key of the desktop program.
class MagasinNavigateur : public quarvel::MagasinTexte {
public:
    std::string emplacement() const override {
        char* p = qv_emplacement();
        std::string s = p;
        std::free(p);
        return s;
    }

protected:
    std::optional<std::string> lireTexte(const std::string& nom) override {
        char* p = qv_stockage_lire((PREFIXE + nom).c_str());
        if (!p) return std::nullopt;
        std::string s = p;
        std::free(p);
        return s;
    }
    bool ecrireTexte(const std::string& nom, const std::string& texte) override {
        return qv_stockage_ecrire((PREFIXE + nom).c_str(), texte.c_str()) != 0;
    }

private:
    inline static const std::string PREFIXE = "Ostravin/" + quarvel::PRODUIT + "/";
};

MagasinNavigateur magasin;
std::unique_ptr<quarvel::web::Session> session;

} // namespace

extern "C" {

// A new run: the start-up screen, the settings read again from the browser's storage.
EMSCRIPTEN_KEEPALIVE void qv_demarrer() {
    session.reset();
    session = std::make_unique<quarvel::web::Session>(&magasin, "aide");
}

EMSCRIPTEN_KEEPALIVE const char* qv_description() {
    return session->description().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* qv_etat() {
    return session->etat().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* qv_geste(int type, int index, double maintenant) {
    return session
        ->geste({static_cast<quarvel::Evt>(type), index}, static_cast<std::int64_t>(maintenant))
        .c_str();
}

// The game's own share of the last call, in milliseconds, for whoever measures.
EMSCRIPTEN_KEEPALIVE double qv_duree_jeu() {
    return session->dureeJeu();
}

EMSCRIPTEN_KEEPALIVE const char* qv_repondre(int oui, int annulee, const char* texte, int couleur) {
    quarvel::web::PlateformeWeb::Reponse r;
    r.oui = oui != 0;
    r.annulee = annulee != 0;
    r.texte = texte ? texte : "";
    r.couleur = couleur;
    return session->repondre(r).c_str();
}

} // extern "C"
