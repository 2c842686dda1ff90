// A map window as data: its table row (caption, client area, strip, picture,
// cells). One window class builds any of the 14 map windows from such a row.
#pragma once

#include "core/Twips.h"
#include "maps/common/Grille_Cellules.h"

#include <functional>
#include <string>
#include <vector>

namespace Sous_Programmes {

struct Definition_Cellule {
    int Index = 0;
    std::string Zone;    // the area the cell stands for ("JN", "JN18")
    Rect_Twips Rect;     // from the corner of Picture1
    std::string Libelle; // the text shown, centred
    Police Pol;
};

// A label of the top strip, placed from the strip frame's corner.
enum class Role_Libelle { Fixe, Compte, Bande };
struct Libelle_Bandeau {
    std::string Nom; // objectName: "NbGc", "NbMc", "Bande", "Label2", ...
    Role_Libelle Role = Role_Libelle::Fixe;
    Rect_Twips Rect;
    std::string Texte; // design caption
    Police Pol;
    Alignement Align = Alignement::Gauche;
};

enum class Cadre_Fenetre { Simple, Dialogue };

struct Description_Carte {
    std::string Nom;   // "Carte_Monde", "Carte_NE", ...
    std::string Titre; // the caption
    int Largeur_Client = 0;
    int Hauteur_Client = 0;
    Cadre_Fenetre Cadre = Cadre_Fenetre::Simple;
    bool Centrer = true; // the load step begins with the centring

    std::string Nom_Bandeau = "Frame1";
    Rect_Twips Bandeau;
    std::vector<Libelle_Bandeau> Libelles;

    // World and Europe maps only: their own band list and "Afficher" button,
    // placed from the window's corner.
    bool Avec_Afficher = false;
    Rect_Twips Bande_T;
    Rect_Twips Command1;

    Rect_Twips Picture1;
    std::string Image; // resource path, e.g. ":/maps/monde.gif"

    Sorte_Cellule Sorte = Sorte_Cellule::Text1;
    int Premier = 1; // the index range of the cell array (the count's range)
    int Dernier = 1;
    std::vector<Definition_Cellule> Cellules;
    std::string Nom_Cellules = "Text1"; // "Text1", "Dep" or "cel"
};

// The grid model of a description, in its design state.
Grille_Cellules Grille_Design(const Description_Carte& d);

} // namespace Sous_Programmes
