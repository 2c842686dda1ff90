#include "maps/squares/Cartes_Champs.h"

#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"

#include <array>
#include <string>

namespace Sous_Programmes {

namespace {

// One row per field window; positions in twips. Frame1 sits at 120, 0 and is
// 735 high; its three labels sit at top 240 and are 255 high; Picture1 sits at
// left 120 and is 5655 high.
struct Ligne_Champ {
    Cadre_Fenetre Cadre;
    int Largeur_Client;
    int Hauteur_Client;
    int Largeur_Frame1;
    int Gauche_NbMc;
    int Gauche_Label4;
    int Largeur_Label4;
    int Gauche_Bande;
    int Haut_Picture1;
    int Largeur_Picture1;
};

constexpr auto Dialogue = Cadre_Fenetre::Dialogue;
constexpr auto Simple = Cadre_Fenetre::Simple;

// In the order of Champs_Europe: IM, IN, IO, JM, JN, JO, KM, KN, KO.
constexpr std::array<Ligne_Champ, 9> Table_Champs = {{
    {Dialogue, 10695, 6615, 10455, 840, 2160, 6135, 8400, 840, 10455},
    {Simple, 10560, 6720, 10335, 840, 2160, 6135, 8400, 960, 10335},
    {Simple, 10785, 6735, 10455, 720, 2040, 6135, 8280, 960, 10575},
    {Simple, 10680, 6720, 10455, 720, 1680, 6495, 8280, 960, 10455},
    {Dialogue, 10680, 6735, 10455, 840, 2040, 6255, 8400, 960, 10455},
    {Simple, 10665, 6720, 10455, 840, 2160, 6135, 8400, 960, 10455},
    {Simple, 10575, 6720, 10335, 720, 2040, 6135, 8280, 960, 10335},
    {Simple, 10560, 6720, 10335, 720, 2160, 6135, 8400, 960, 10335},
    {Simple, 10815, 6705, 10575, 720, 2040, 6135, 8400, 960, 10575},
}};

// Cells placed off the rule: Dep(premier)..Dep(dernier) of one field moved by
// Decalage twips east (negative: west), or of another height.
struct Exception_Cellule {
    std::string_view Champ;
    int Premier;
    int Dernier;
    int Decalage;
    int Hauteur;
};
constexpr int Hauteur_Dep = 300;
constexpr std::array<Exception_Cellule, 6> Exceptions = {{
    {"JM", 10, 19, -120, Hauteur_Dep},
    {"JM", 20, 29, -120, Hauteur_Dep},
    {"JM", 30, 39, -120, Hauteur_Dep},
    {"JM", 90, 99, -120, Hauteur_Dep},
    {"KN", 50, 59, 120, Hauteur_Dep},
    {"JN", 19, 19, 0, 285},
}};

const Police Police_Bandeau{"MS Sans Serif", 12, true};
const Police Police_Dep{"Arial", 9.75, true};

std::string Deux_Chiffres(int k) {
    return {char('0' + k / 10), char('0' + k % 10)};
}

Rect_Twips Rect_Dep(std::string_view champ, int k) {
    Rect_Twips r{720 + 960 * (k / 10), 4800 - 480 * (k % 10), 375, Hauteur_Dep};
    for (const auto& e : Exceptions) {
        if (e.Champ != champ || k < e.Premier || k > e.Dernier) continue;
        r.Left += e.Decalage;
        r.Height = e.Hauteur;
    }
    return r;
}

Description_Carte Construire(int c) {
    const Ligne_Champ& l = Table_Champs[static_cast<std::size_t>(c)];
    const std::string champ(Champs_Europe[static_cast<std::size_t>(c)]);
    std::string minuscules = champ;
    for (char& ch : minuscules) ch = char(ch - 'A' + 'a');

    Description_Carte d;
    d.Nom = "Carte_" + champ;
    d.Titre = "Carrés moyens du carré " + champ;
    d.Largeur_Client = l.Largeur_Client;
    d.Hauteur_Client = l.Hauteur_Client;
    d.Cadre = l.Cadre;
    // Carte_IO has no load step of its own; it is centred like the other eight
    // so that the nine windows open alike.
    d.Centrer = true;
    d.Nom_Bandeau = "Frame1";
    d.Bandeau = {120, 0, l.Largeur_Frame1, 735};
    d.Libelles = {
        {"NbMc",
         Role_Libelle::Compte,
         {l.Gauche_NbMc, 240, 1215, 255},
         "",
         Police_Bandeau,
         Alignement::Droite},
        {"Label4",
         Role_Libelle::Fixe,
         {l.Gauche_Label4, 240, l.Largeur_Label4, 255},
         "Carré(s) moyen(s) du carré " + champ + " contacté(s) bande : ",
         Police_Bandeau,
         Alignement::Droite},
        {"Bande",
         Role_Libelle::Bande,
         {l.Gauche_Bande, 240, 1215, 255},
         "",
         Police_Bandeau,
         Alignement::Gauche},
    };
    d.Picture1 = {120, l.Haut_Picture1, l.Largeur_Picture1, 5655};
    d.Image = ":/maps/champ_" + minuscules + ".jpg";
    d.Sorte = Sorte_Cellule::Dep;
    d.Premier = 0;
    d.Dernier = 99;
    d.Nom_Cellules = "Dep";
    d.Cellules.reserve(100);
    for (int k = 0; k <= 99; ++k)
        d.Cellules.push_back({k, champ + Deux_Chiffres(k), Rect_Dep(champ, k), Deux_Chiffres(k), Police_Dep});
    return d;
}

bool Est_Chiffre(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

const Description_Carte& Description_Carte_Champ(int champ) {
    static const std::array<Description_Carte, 9> descriptions = [] {
        std::array<Description_Carte, 9> d;
        for (int c = 0; c < 9; ++c) d[static_cast<std::size_t>(c)] = Construire(c);
        return d;
    }();
    return descriptions.at(static_cast<std::size_t>(champ));
}

int Index_Champ(std::string_view Carre_Sel) {
    for (std::size_t c = 0; c < Champs_Europe.size(); ++c)
        if (Champs_Europe[c] == Carre_Sel) return static_cast<int>(c);
    return -1;
}

int Numero_Moyen_Carre(std::string_view ligne) {
    const std::string_view chiffres = Champ(ligne, Chiffres_Carre);
    if (chiffres.size() != 2 || !Est_Chiffre(chiffres[0]) || !Est_Chiffre(chiffres[1])) return -1;
    return 10 * (chiffres[0] - '0') + (chiffres[1] - '0');
}

void Remplir_Moyens_Carres(std::string_view Bande_Sel, std::string_view Carre_Sel, int& Nb_Carres_Trouves,
                           Grille_Cellules* grille) {
    Nb_Carres_Trouves = 0;
    std::array<int, 101> Mc_Trouve{}; // entry 100 is never used: two digits give at most 99
    if (grille) grille->Reinitialiser(0, 99);

    const bool toutes = Bande_Sel == Toutes;
    for (const std::string& ligne : Qso_Valides()) {
        if (Champ(ligne, Grand_Carre) != Carre_Sel) continue;
        if (!toutes && Champ(ligne, Qso_Bande_7) != Bande_Sel) continue;
        // Two blanks (a locator of a field only, or none) mark nothing; other
        // characters that are not two digits give no square number and are
        // skipped alike.
        const int k = Numero_Moyen_Carre(ligne);
        if (k >= 0) Mc_Trouve[static_cast<std::size_t>(k)] = 1;
    }

    for (int k = 0; k <= 99; ++k) {
        if (Mc_Trouve[static_cast<std::size_t>(k)] != 1) continue;
        if (grille) grille->Marquer(k);
        ++Nb_Carres_Trouves;
    }

    if (!grille) return;
    const int compte = grille->Compter(0, 99);
    grille->Ecrire_Bande(Bande_Sel);
    grille->Ecrire_Compte(compte);
}

} // namespace Sous_Programmes
