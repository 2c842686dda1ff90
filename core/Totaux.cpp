#include "core/Totaux.h"

#include "core/Tab_Qso.h"

#include <bitset>

namespace Sous_Programmes {

namespace {

// The whole number written with digits only, or -1 for anything else
// (empty, a sign, a letter). Values are at most 3 characters wide here.
int Nombre(std::string_view s) {
    if (s.empty()) return -1;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// A byte loop beats a library call on these few bytes, and the totals run
// this for every line, three times, for each band choice.
inline bool Egaux(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

inline std::string_view Colonne_De(std::string_view ligne, Colonne c) {
    if (c.Debut >= ligne.size()) return {};
    return ligne.substr(c.Debut, c.Largeur);
}

inline std::string_view Sans_Blancs_Autour(std::string_view s) {
    std::size_t debut = 0;
    std::size_t fin = s.size();
    while (debut < fin && s[debut] == ' ') ++debut;
    while (fin > debut && s[fin - 1] == ' ') --fin;
    return s.substr(debut, fin - debut);
}

// One pass of the count rule: a line counts when its key differs from the
// last counted key and its band matches. The list being sorted, equal keys
// stand together, also among the lines of one band.
struct Passe {
    Colonne Cle;
    std::string_view Precedente = Locator_Vide;
    long Compte = 0;

    bool Compter(std::string_view ligne, bool bande_choisie) {
        if (!bande_choisie) return false;
        const std::string_view k = Colonne_De(ligne, Cle);
        if (Egaux(k, Precedente)) return false;
        Precedente = k;
        ++Compte;
        return true;
    }
};

} // namespace

Totaux Calcul_Totaux(const std::vector<std::string>& liste_loc, std::string_view selection) {
    const bool toutes = selection == Toutes;
    std::bitset<41> zone_trouvee;
    std::bitset<1001> dxcc_trouve;
    Passe champs{Grand_Carre};
    Passe carres{Moyen_Carre};
    Passe petits_carres{Petit_Carre};

    // The three passes are independent, so they walk the list together.
    for (const std::string& l : liste_loc) {
        const std::string_view ligne = l;
        if (Egaux(ligne, Locator_Vide)) continue;
        const bool bande_7 = toutes || Egaux(Sans_Blancs_Autour(Colonne_De(ligne, Qso_Bande_7)), selection);
        const bool bande_8 = toutes || Egaux(Sans_Blancs_Autour(Colonne_De(ligne, Qso_Bande)), selection);
        champs.Compter(ligne, bande_7);
        carres.Compter(ligne, bande_7);
        // Under a band only the first line of each subsquare brings its zone
        // and entity; under "Toutes" every line does.
        if (!petits_carres.Compter(ligne, bande_8) && !toutes) continue;
        // A zone that is not a whole number from 0 to 40 counts as no zone.
        const int zone = Nombre(Sans_Blancs_Autour(Colonne_De(ligne, Qso_Zone)));
        if (zone >= 0 && zone <= 40) zone_trouvee.set(std::size_t(zone));
        const int dxcc = Nombre(Sans_Blancs_Autour(Colonne_De(ligne, Qso_Dxcc)));
        if (dxcc >= 0 && dxcc <= 1000) dxcc_trouve.set(std::size_t(dxcc));
    }
    return {champs.Compte, carres.Compte, petits_carres.Compte, long(zone_trouvee.count()),
            long(dxcc_trouve.count())};
}

} // namespace Sous_Programmes
