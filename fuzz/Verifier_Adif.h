// What must hold for any bytes given to the reader, whatever they are: the
// fuzz target and the corpus replay test both check it.
#pragma once

#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/Totaux.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace Sous_Programmes {

// Empty when every line keeps the record line format; otherwise what is wrong.
inline std::string Defaut_Resultat_Adif(const Resultat_Adif& r) {
    if (r.Lignes.size() > Capacite_Tab_Qso) return "more lines than the table holds";
    if (r.Messages_Bande < 0 || static_cast<std::size_t>(r.Messages_Bande) > r.Lignes.size())
        return "more band messages than records";
    for (const std::string& l : r.Lignes) {
        if (l.size() < Qso_Date_Debut + 2 || l.size() > Qso_Date_Debut + 10) return "line length " + l;
        for (std::size_t sep : {6u, 16u, 20u, 25u, 42u})
            if (l[sep] != ' ' || l[sep + 1] != ' ')
                return "separator at column " + std::to_string(sep + 1) + ": " + l;
        const auto bande = Champ(l, Qso_Bande_7);
        if (std::find(Libelles_Bande.begin(), Libelles_Bande.end(), bande) == Libelles_Bande.end())
            return "band not a label: " + l;
        if (l[15] != ' ') return "band column not blank-ended: " + l;
        // Every value taken from the log is upper case (the band labels are ours).
        for (std::size_t i = 0; i < l.size(); ++i)
            if (l[i] >= 'a' && l[i] <= 'z' &&
                (i < Qso_Bande.Debut || i >= Qso_Bande.Debut + Qso_Bande.Largeur))
                return "lower-case letter: " + l;
        if (l.find('/', Qso_Date_Debut) == std::string::npos) return "date without '/': " + l;
    }
    return {};
}

// Reads the bytes, stores them as an import would, computes every total; a
// non-empty result names the broken rule.
inline std::string Verifier_Adif(std::string_view octets) {
    Resultat_Adif r = Lire_Adif(octets);
    std::string defaut = Defaut_Resultat_Adif(r);
    if (!defaut.empty()) return defaut;
    const std::size_t n = r.Lignes.size();
    Ranger_Dans_Tab_Qso(std::move(r.Lignes));
    if (Nb_Qso != double(n + 1)) return "Nb_Qso is not one past the last line";
    const auto liste = Lignes_Localisees();
    if (!std::is_sorted(liste.begin(), liste.end())) return "located lines not in byte order";
    for (const auto& item : Items_Bande_Main()) {
        const Totaux t = Calcul_Totaux(liste, item);
        if (t[0] > t[1] || t[1] > t[2] || t[2] > long(liste.size()) || t[3] > 41 || t[4] > 1000)
            return "totals out of bounds for " + item;
    }
    return {};
}

} // namespace Sous_Programmes
