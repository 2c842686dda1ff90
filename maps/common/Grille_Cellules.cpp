#include "maps/common/Grille_Cellules.h"

#include <stdexcept>

namespace Sous_Programmes {

namespace {
bool Meme_Etat(const Etat_Cellule& a, const Etat_Cellule& b) {
    return a.BackColor == b.BackColor && a.ForeColor == b.ForeColor && a.Italique == b.Italique;
}
} // namespace

Etat_Cellule Grille_Cellules::Etat_Design(Sorte_Cellule sorte) {
    switch (sorte) {
    case Sorte_Cellule::Text1:
        return {Couleur_Fond_Cellule, Couleur_Texte_Fenetre, false};
    case Sorte_Cellule::Dep:
        return {Couleur_Blanc, Couleur_Noir, false};
    case Sorte_Cellule::Cel:
        return {Couleur_Fond_Cellule, Couleur_Noir, false};
    }
    return {Couleur_Fond_Cellule, Couleur_Noir, false};
}

Etat_Cellule Grille_Cellules::Etat_Marque(Sorte_Cellule sorte) {
    if (sorte == Sorte_Cellule::Cel) return {Couleur_Fond_Cellule, Couleur_Rouge, true};
    // Only the background is set on marking: the letters keep their design colour.
    return {Couleur_Contacte, Etat_Design(sorte).ForeColor, false};
}

Grille_Cellules::Grille_Cellules(Sorte_Cellule sorte, int premier, int dernier, std::string bande_design)
    : sorte_(sorte), premier_(premier), bande_(std::move(bande_design)) {
    if (dernier < premier) throw std::invalid_argument("Grille_Cellules: empty range");
    etats_.assign(static_cast<std::size_t>(dernier - premier + 1), Etat_Design(sorte));
}

void Grille_Cellules::Changer(int k, const Etat_Cellule& e) {
    auto& etat = etats_.at(static_cast<std::size_t>(k - premier_));
    if (Meme_Etat(etat, e)) return;
    etat = e;
    if (Sur_Cellule) Sur_Cellule(k);
}

void Grille_Cellules::Marquer(int k) {
    if (!Existe(k)) return;
    auto e = Cellule(k);
    if (sorte_ == Sorte_Cellule::Cel) {
        e.ForeColor = Couleur_Rouge;
        e.Italique = true;
    } else {
        e.BackColor = Couleur_Contacte;
    }
    Changer(k, e);
}

void Grille_Cellules::Reinitialiser(int a, int b) {
    for (int k = a; k <= b; ++k) {
        if (!Existe(k)) continue;
        auto e = Cellule(k);
        switch (sorte_) {
        case Sorte_Cellule::Text1:
            e.BackColor = Couleur_Fond_Cellule;
            break;
        case Sorte_Cellule::Dep:
            e.BackColor = Couleur_Blanc;
            break;
        case Sorte_Cellule::Cel:
            e.ForeColor = Couleur_Noir;
            e.Italique = false;
            break;
        }
        Changer(k, e);
    }
}

bool Grille_Cellules::Est_Marquee(int k) const {
    if (!Existe(k)) return false;
    const auto& e = Cellule(k);
    return sorte_ == Sorte_Cellule::Cel ? e.ForeColor == Couleur_Rouge : e.BackColor == Couleur_Contacte;
}

int Grille_Cellules::Compter(int a, int b) const {
    int n = 0;
    for (int k = a; k <= b; ++k) n += Est_Marquee(k) ? 1 : 0;
    return n;
}

void Grille_Cellules::Ecrire_Compte(int nombre) {
    compte_ = std::to_string(nombre);
    if (Sur_Libelles) Sur_Libelles();
}

void Grille_Cellules::Ecrire_Bande(std::string_view bande) {
    bande_ = std::string(bande);
    if (Sur_Libelles) Sur_Libelles();
}

std::vector<int> Grille_Cellules::Cellules_Marquees() const {
    std::vector<int> marquees;
    for (int k = Premier(); k <= Dernier(); ++k)
        if (Est_Marquee(k)) marquees.push_back(k);
    return marquees;
}

} // namespace Sous_Programmes
