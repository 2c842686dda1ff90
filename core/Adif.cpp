#include "core/Adif.h"

#include "core/Tab_Qso.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace Sous_Programmes {

namespace {

constexpr std::size_t Absent = std::string_view::npos;

// Only a-z are upper-cased: bytes outside ASCII pass through unchanged.
inline char Majuscule(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - ('a' - 'A')) : c;
}

// Line ends are not part of the text: lines are joined end to end.
inline bool Fin_De_Ligne(char c) {
    return c == '\r' || c == '\n';
}

// Blanks around a value: tabs count as blanks, line ends are not there at all.
inline bool Blanc(char c) {
    return c == ' ' || c == '\t' || Fin_De_Ligne(c);
}

// Does the joined, upper-cased text at raw position i start with motif (given
// in upper case)? On success, fin is the raw position after its last byte.
inline bool Commence_Par(const char* t, std::size_t i, std::size_t n, std::string_view motif,
                         std::size_t& fin) {
    for (char c : motif) {
        while (i < n && Fin_De_Ligne(t[i])) ++i;
        if (i >= n || Majuscule(t[i]) != c) return false;
        ++i;
    }
    fin = i;
    return true;
}

// First occurrence of motif (upper case) in t[debut, fin), whatever the case
// of its letters; a line end breaks it.
std::size_t Chercher_Sans_Casse(std::string_view t, std::size_t debut, std::size_t fin,
                                std::string_view motif) {
    for (std::size_t i = debut; i + motif.size() <= fin; ++i) {
        std::size_t k = 0;
        while (k < motif.size() && Majuscule(t[i + k]) == motif[k]) ++k;
        if (k == motif.size()) return i;
    }
    return Absent;
}

// Where "EOH" first stands, in any case. A log without a header is searched to
// its end, so only the places of "H" and "h", found by memchr, are tested.
std::size_t Premier_Eoh(std::string_view t) {
    const char* d = t.data();
    const std::size_t n = t.size();
    auto suivant = [&](char c, std::size_t depuis) {
        const void* p = depuis < n ? std::memchr(d + depuis, c, n - depuis) : nullptr;
        return p ? std::size_t(static_cast<const char*>(p) - d) : Absent;
    };
    std::size_t h_majuscule = suivant('H', 2);
    std::size_t h_minuscule = suivant('h', 2);
    while (true) {
        const std::size_t h = std::min(h_majuscule, h_minuscule);
        if (h == Absent) return Absent;
        if (Majuscule(d[h - 2]) == 'E' && Majuscule(d[h - 1]) == 'O') return h - 2;
        if (h == h_majuscule)
            h_majuscule = suivant('H', h + 1);
        else
            h_minuscule = suivant('h', h + 1);
    }
}

// Where the records begin. The header runs to the first line holding "EOH";
// when that line holds "<EOH>", what follows it on the line is already a
// record. A log without any "EOH" has no header at all.
std::size_t Debut_Des_Enregistrements(std::string_view t) {
    const std::size_t eoh = Premier_Eoh(t);
    if (eoh == Absent) return 0;
    std::size_t debut_ligne = eoh;
    while (debut_ligne > 0 && !Fin_De_Ligne(t[debut_ligne - 1])) --debut_ligne;
    std::size_t fin_ligne = eoh;
    while (fin_ligne < t.size() && !Fin_De_Ligne(t[fin_ligne])) ++fin_ligne;
    const std::size_t balise = Chercher_Sans_Casse(t, debut_ligne, fin_ligne, "<EOH>");
    return balise == Absent ? fin_ligne : balise + 5;
}

// The seven fields taken from a record, in the order they are read.
enum Champ_Adif { Gridsquare, Band, Freq, Cqz, Dxcc, Call, Qso_Date, Nb_Champs, Fin_Enregistrement };

// What may follow a "<": the seven search texts and the record's end. Cle and
// Masque hold the first (up to) four bytes with letters folded by & 0xDF: a
// cheap first test that never refuses a true match.
struct Recherche {
    std::string_view Texte;
    Champ_Adif Champ = Nb_Champs;
    std::uint32_t Cle = 0xFFFFFFFFu; // matches no folded bytes: an empty slot
    std::uint32_t Masque = 0xFFFFFFFFu;

    constexpr Recherche() = default;
    constexpr Recherche(std::string_view texte, Champ_Adif champ)
        : Texte(texte), Champ(champ), Cle(0), Masque(0) {
        for (std::size_t k = 0; k < 4 && k < texte.size(); ++k) {
            Cle |= std::uint32_t(static_cast<unsigned char>(texte[k]) & 0xDF) << (8 * k);
            Masque |= 0xFFu << (8 * k);
        }
    }
};
constexpr Recherche Recherches[] = {
    {"EOR>", Fin_Enregistrement}, {"CALL", Call}, {"QSO_DATE", Qso_Date}, {"BAND", Band}, {"FREQ", Freq},
    {"GRIDSQUARE", Gridsquare},   {"DXCC", Dxcc}, {"CQZ", Cqz},
};

// The eight texts differ in their first three bytes, which this multiplier
// spreads over eight slots: one look-up and one test per "<", whatever the tag.
constexpr std::size_t Case(std::uint32_t octets_plies) {
    return ((octets_plies & 0x00FFFFFFu) * 3512u) >> 29;
}
constexpr std::array<Recherche, 8> Table_Recherches = [] {
    std::array<Recherche, 8> table{};
    for (const Recherche& r : Recherches) table[Case(r.Cle)] = r;
    return table;
}();
static_assert(
    [] {
        for (const Recherche& r : Recherches)
            if (Table_Recherches[Case(r.Cle)].Champ != r.Champ) return false;
        return true;
    }(),
    "two search texts share a slot");

inline bool Octet_Nul(std::uint32_t x) {
    return ((x - 0x01010101u) & ~x & 0x80808080u) != 0;
}

// A value as it stands in the file: raw bytes that may still hold line ends,
// lower-case letters and tabs, already stripped of its outer blanks.
struct Valeur {
    const char* debut = nullptr;
    const char* fin = nullptr;

    // The first (at most) k characters of the value's text, upper-cased, tabs
    // as blanks, line ends dropped. Returns how many were written.
    std::size_t Debut(char* sortie, std::size_t k) const {
        std::size_t n = 0;
        for (const char* p = debut; p < fin && n < k; ++p) {
            if (Fin_De_Ligne(*p)) continue;
            sortie[n++] = *p == '\t' ? ' ' : Majuscule(*p);
        }
        return n;
    }
    // The last (at most) k characters, in their order.
    std::size_t Fin(char* sortie, std::size_t k) const {
        const char* p = fin;
        for (std::size_t n = 0; p > debut && n < k;)
            if (!Fin_De_Ligne(*--p)) ++n;
        return Valeur{p, fin}.Debut(sortie, k);
    }
};

// The text strictly between two raw positions, without its outer blanks.
Valeur Valeur_Entre(const char* debut, const char* fin) {
    while (debut < fin && Blanc(*debut)) ++debut;
    while (fin > debut && Blanc(fin[-1])) --fin;
    return {debut, fin};
}

// The value of the field whose search text starts at raw position
// occurrence: from after the first ">" to the next "<", within the record.
// No ">" at all leaves it empty; no "<" after it runs it to the record's end.
Valeur Valeur_Du_Champ(const char* t, std::size_t occurrence, std::size_t fin_enreg) {
    const void* sup = std::memchr(t + occurrence, '>', fin_enreg - occurrence);
    if (!sup) return {};
    const char* debut = static_cast<const char*>(sup) + 1;
    const char* fin = t + fin_enreg;
    if (const void* inf = std::memchr(debut, '<', std::size_t(fin - debut)))
        fin = static_cast<const char*>(inf);
    return Valeur_Entre(debut, fin);
}

// Appends value text cut to its column and blank-padded to it.
char* Colonne_Remplie(char* p, const Valeur& v, std::size_t largeur) {
    const std::size_t n = v.Debut(p, largeur);
    std::memset(p + n, ' ', largeur - n);
    return p + largeur;
}

char* Separateur(char* p) {
    p[0] = ' ';
    p[1] = ' ';
    return p + 2;
}

struct Lecteur {
    std::string_view texte;
    Resultat_Adif resultat;
    // Per record: where each search text first occurs, and its value once known.
    std::array<std::size_t, Nb_Champs> occurrences{};
    std::array<Valeur, Nb_Champs> valeurs{};
    std::array<bool, Nb_Champs> connue{};
    bool contact = false;
    // The field found at the last "<": in a well-formed record its value ends
    // at the next "<", which the scan reaches anyway.
    Champ_Adif en_attente = Nb_Champs;

    void Nouvel_Enregistrement() {
        occurrences.fill(Absent);
        connue.fill(false);
        contact = false;
        en_attente = Nb_Champs;
    }

    // The next "<" is at pos: the pending value ends there if its ">" stands
    // before it; otherwise the record's end decides, in Ranger.
    void Resoudre(std::size_t pos) {
        const char* t = texte.data();
        std::size_t sup = occurrences[en_attente] + 1;
        while (sup < pos && t[sup] != '>') ++sup;
        if (sup < pos) {
            valeurs[en_attente] = Valeur_Entre(t + sup + 1, t + pos);
            connue[en_attente] = true;
        }
        en_attente = Nb_Champs;
    }

    // The record ending at raw position fin is complete. Returns false once the
    // table is full and a further contact shows that the log holds more.
    bool Ranger(std::size_t fin) {
        if (!contact) return true; // no field of a contact: blanks, free text, a closing tag
        if (resultat.Lignes.size() >= Capacite_Tab_Qso) {
            resultat.Tronque = true;
            return false;
        }
        std::array<Valeur, Nb_Champs> v{};
        for (std::size_t c = 0; c < Nb_Champs; ++c)
            if (occurrences[c] != Absent)
                v[c] = connue[c] ? valeurs[c] : Valeur_Du_Champ(texte.data(), occurrences[c], fin);

        // Columns 1-44 and a date of at most 10 characters.
        char ligne[64];
        char* p = ligne;
        p = Colonne_Remplie(p, v[Gridsquare], Qso_Locator.Largeur); // empty value: Locator_Vide
        p = Separateur(p);
        const std::string_view libelle = Libelle_Du_Qso(v);
        std::memcpy(p, libelle.data(), libelle.size());
        p[libelle.size()] = ' ';
        p = Separateur(p + Qso_Bande.Largeur);
        p = Separateur(Colonne_Remplie(p, v[Cqz], Qso_Zone.Largeur));
        p = Separateur(Colonne_Remplie(p, v[Dxcc], Qso_Dxcc.Largeur));
        p = Separateur(Colonne_Remplie(p, v[Call], Qso_Indicatif.Largeur));
        p = Date_Reecrite(p, v[Qso_Date]);
        resultat.Lignes.emplace_back(ligne, std::size_t(p - ligne));
        return true;
    }

    // The band label of a record: BAND if present, else the whole megahertz of
    // FREQ; "1.8 Mhz", with a message, when neither gives a known band.
    std::string_view Libelle_Du_Qso(const std::array<Valeur, Nb_Champs>& v) {
        char texte_bande[8];
        std::size_t n = 0;
        if (occurrences[Band] != Absent) {
            // No band text is longer than 6: a 7th character is enough to refuse it.
            n = v[Band].Debut(texte_bande, 7);
        } else if (occurrences[Freq] != Absent) {
            n = v[Freq].Debut(texte_bande, 5);
            if (const void* point = std::memchr(texte_bande, '.', n))
                n = std::size_t(static_cast<const char*>(point) - texte_bande);
        }
        const std::string_view libelle = Libelle_De_Bande({texte_bande, n});
        if (!libelle.empty()) return libelle;
        ++resultat.Messages_Bande;
        return Libelles_Bande[0];
    }

    // YYYYMMDD becomes DD/MM/YYYY: the last 2 characters, "/", characters 5-6,
    // "/", the first 4; an absent date gives "//".
    static char* Date_Reecrite(char* p, const Valeur& d) {
        char debut[6];
        const std::size_t n = d.Debut(debut, 6);
        p += d.Fin(p, 2);
        *p++ = '/';
        if (n > 4) {
            std::memcpy(p, debut + 4, n - 4);
            p += n - 4;
        }
        *p++ = '/';
        const std::size_t annee = std::min<std::size_t>(n, 4);
        std::memcpy(p, debut, annee);
        return p + annee;
    }

    // Tries one text at the "<" at i: true when it is there. A field is noted
    // at its first occurrence; fin is set after the ">" of "<EOR>".
    bool Essayer(const Recherche& r, std::size_t i, std::size_t& fin) {
        const bool champ = r.Champ != Fin_Enregistrement;
        if (champ && occurrences[r.Champ] != Absent) return false;
        std::size_t apres = 0;
        if (!Commence_Par(texte.data(), i + 1, texte.size(), r.Texte, apres)) return false;
        if (!champ) {
            fin = apres;
            return true;
        }
        occurrences[r.Champ] = i;
        contact = true;
        en_attente = r.Champ;
        return true;
    }

    // Notes what stands at the "<" at i; true at "<EOR>", with fin after its ">".
    bool Balise(std::size_t i, std::size_t& fin) {
        fin = 0;
        std::uint32_t w = 0;
        if (i + 5 <= texte.size()) {
            for (std::size_t k = 4; k > 0; --k) w = (w << 8) | static_cast<unsigned char>(texte[i + k]);
            // Unless a line end hides among the four bytes after "<", only the
            // text of their slot can stand there.
            if (!Octet_Nul(w ^ 0x0D0D0D0Du) && !Octet_Nul(w ^ 0x0A0A0A0Au)) {
                w &= 0xDFDFDFDFu;
                const Recherche& r = Table_Recherches[Case(w)];
                if ((w & r.Masque) != r.Cle) return false;
                return Essayer(r, i, fin) && fin != 0;
            }
        }
        for (const Recherche& r : Recherches)
            if (Essayer(r, i, fin)) return fin != 0; // no two texts start alike
        return false;
    }

    void Lire() {
        const char* t = texte.data();
        const std::size_t n = texte.size();
        resultat.Lignes.reserve(std::min<std::size_t>(Capacite_Tab_Qso, n / 64 + 1));
        Nouvel_Enregistrement();
        // One pass over the "<" of the log finds every record's end and the
        // first occurrence of all seven search texts together.
        std::size_t i = Debut_Des_Enregistrements(texte);
        while (i < n) {
            const void* inf = std::memchr(t + i, '<', n - i);
            if (!inf) break;
            const std::size_t pos = std::size_t(static_cast<const char*>(inf) - t);
            if (en_attente != Nb_Champs) Resoudre(pos);
            std::size_t fin = 0;
            if (!Balise(pos, fin)) {
                i = pos + 1;
                continue;
            }
            if (!Ranger(fin)) return; // the table is full
            Nouvel_Enregistrement();
            i = fin;
        }
        Ranger(n); // the last record, without "<EOR>"
    }
};

} // namespace

Resultat_Adif Lire_Adif(std::string_view octets) {
    Lecteur l{octets, {}, {}};
    l.Lire();
    return std::move(l.resultat);
}

namespace {

// A band text of up to 7 bytes as one number, its length in the low byte, so
// that the table is searched with plain comparisons; longer texts match nothing.
constexpr std::uint64_t Empreinte(std::string_view t) {
    if (t.size() > 7) return ~std::uint64_t(0);
    std::uint64_t v = t.size();
    for (std::size_t k = 0; k < t.size(); ++k)
        v |= std::uint64_t(static_cast<unsigned char>(t[k])) << (8 * (k + 1));
    return v;
}

struct Rangee_Bande {
    std::uint64_t Texte;
    std::string_view Libelle;
    constexpr Rangee_Bande(std::string_view texte, std::size_t bande)
        : Texte(Empreinte(texte)), Libelle(Libelles_Bande[bande]) {}
};

// Each band text and the index of its label in Libelles_Bande.
constexpr Rangee_Bande Table_Bandes[] = {
    {"160M", 0},    {"1.8", 0},    {"80M", 1},   {"3.5", 1},  {"3.6", 1},   {"3", 1},    {"40M", 2},
    {"7", 2},       {"30M", 3},    {"10", 3},    {"20M", 4},  {"14", 4},    {"17M", 5},  {"18", 5},
    {"15M", 6},     {"21", 6},     {"12M", 7},   {"24", 7},   {"10M", 8},   {"28", 8},   {"6M", 9},
    {"50", 9},      {"2M", 10},    {"144", 10},  {"145", 10}, {"70CM", 11}, {"432", 11}, {"23CM", 12},
    {"1300", 12},   {"13CM", 13},  {"2300", 13}, {"6CM", 14}, {"5660", 14}, {"3CM", 15}, {"10000", 15},
    {"1.25CM", 16}, {"24000", 16},
};

} // namespace

std::string_view Libelle_De_Bande(std::string_view texte) {
    const std::uint64_t e = Empreinte(texte);
    for (const auto& r : Table_Bandes)
        if (r.Texte == e) return r.Libelle;
    return {};
}

void Ranger_Dans_Tab_Qso(std::vector<std::string>&& lignes) {
    std::size_t i = 1;
    for (auto& l : lignes) {
        if (i > Capacite_Tab_Qso) break;
        Tab_Qso[i++] = std::move(l);
    }
    Nb_Qso = double(i);
}

std::vector<std::string> Lignes_Localisees() {
    // Sorting on the first 16 bytes as two big-endian numbers orders nearly
    // every pair without touching the strings; equal keys fall back to the
    // full byte comparison, so the order is exactly std::string's.
    struct Cle {
        std::uint64_t Haut;
        std::uint64_t Bas;
        const std::string* Ligne;
    };
    auto nombre = [](const std::string& l, std::size_t debut) {
        std::uint64_t k = 0;
        if (l.size() >= debut + 8) {
            const auto* o = reinterpret_cast<const unsigned char*>(l.data() + debut);
            for (std::size_t i = 0; i < 8; ++i) k = (k << 8) | o[i]; // one load and a byte swap
            return k;
        }
        for (std::size_t i = debut; i < debut + 8; ++i)
            k = (k << 8) | (i < l.size() ? static_cast<unsigned char>(l[i]) : 0u);
        return k;
    };
    std::vector<Cle> cles;
    cles.reserve(Dernier_Qso());
    for (const std::string& l : Qso_Valides())
        if (Champ(l, Qso_Locator) != Locator_Vide) cles.push_back({nombre(l, 0), nombre(l, 8), &l});
    const auto ordre = [](const Cle& a, const Cle& b) {
        if (a.Haut != b.Haut) return a.Haut < b.Haut;
        if (a.Bas != b.Bas) return a.Bas < b.Bas;
        return *a.Ligne < *b.Ligne;
    };
    // Two counting passes order the keys on their first four bytes (the
    // square); the runs of one square are short, and std::sort finishes them.
    std::vector<Cle> tampon(cles.size());
    std::vector<std::uint32_t> compte(65536);
    for (const int decalage : {32, 48}) {
        std::fill(compte.begin(), compte.end(), 0u);
        for (const Cle& c : cles) ++compte[(c.Haut >> decalage) & 0xFFFF];
        std::uint32_t debut = 0;
        for (auto& x : compte) debut += std::exchange(x, debut);
        for (const Cle& c : cles) tampon[compte[(c.Haut >> decalage) & 0xFFFF]++] = c;
        cles.swap(tampon);
    }
    for (auto debut = cles.begin(); debut != cles.end();) {
        const std::uint64_t carre = debut->Haut >> 32;
        const auto fin = std::find_if(debut, cles.end(), [&](const Cle& c) { return c.Haut >> 32 != carre; });
        std::sort(debut, fin, ordre);
        debut = fin;
    }
    std::vector<std::string> liste;
    liste.reserve(cles.size());
    for (const Cle& c : cles) liste.push_back(*c.Ligne);
    return liste;
}

} // namespace Sous_Programmes
