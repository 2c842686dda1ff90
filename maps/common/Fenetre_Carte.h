// The map window Grille_Cellules: a picture with its cells over it and the
// strip of count and band labels, built from a Description_Carte. It draws its
// cell grid model and holds no rule of its own: marking procedures work on
// Grille(), and every change they make is repainted.
#pragma once

#include "core/ui/Fenetre.h"
#include "maps/common/Description_Carte.h"

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace Sous_Programmes {

class Fenetre_Carte : public Fenetre {
    Q_OBJECT
public:
    explicit Fenetre_Carte(const Description_Carte& description);

    // Centring (when the description asks for it); on the world and Europe
    // maps also fills Bande_T with "Toutes" and the 17 labels and selects "Toutes".
    void Form_Load() override;

    Grille_Cellules& Grille() { return grille_; }
    const Grille_Cellules& Grille() const { return grille_; }
    const Description_Carte& Description() const { return description_; }

    // The controls, for handlers and tests (nullptr where the window has none).
    QComboBox* Bande_T() const { return bande_t_; }
    QPushButton* Command1() const { return command1_; }
    QLabel* Picture1() const { return picture1_; }
    // The widget that paints cell k from the grid model; objectName "Text1(k)", "Dep(k)" or "cel(k)".
    QWidget* Cellule(int k) const;
    QLabel* Libelle_Compte() const { return compte_; }
    QLabel* Libelle_Bande() const { return bande_; }

    // What "Afficher" runs (world and Europe maps).
    std::function<void(Fenetre_Carte&)> Command1_Click;

protected:
    void changeEvent(QEvent* e) override;

private:
    void Peindre_Cellule(int k);
    void Peindre_Libelles();

    Description_Carte description_;
    Grille_Cellules grille_;
    QComboBox* bande_t_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* picture1_ = nullptr;
    QLabel* compte_ = nullptr;
    QLabel* bande_ = nullptr;
    std::vector<QWidget*> cellules_; // by index - Premier
};

} // namespace Sous_Programmes
