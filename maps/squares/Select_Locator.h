// The field chooser Select_Locator, the nine field map windows Carte_IM ..
// Carte_KO it draws, and the marking run on those windows.
#pragma once

#include "core/ui/Fenetre.h"
#include "maps/common/Fenetre_Carte.h"

#include <string_view>

class QComboBox;
class QPushButton;

namespace Sous_Programmes {

class Select_Locator : public Fenetre {
    Q_OBJECT
public:
    Select_Locator();

    // Centring, then the nine fields and the band items, IM and "Toutes" selected.
    void Form_Load() override;
    // "Afficher": marks the chosen field's window for the chosen band and shows it.
    void Command1_Click();

    QComboBox* Liste_Locator;
    QComboBox* Bande_T;
    QPushButton* Command1;
};

// The chooser's single instance, if open.
Select_Locator* Select_Locator_Si_Existe();

// The window of field c (0..8 in Champs_Europe): created hidden, with its load
// step, when absent.
Fenetre_Carte& Carte_Champ(int c);
// The open window of field c, or nullptr.
Fenetre_Carte* Carte_Champ_Si_Existe(int c);

// The marking run of the chooser: when Carre_Sel names a field window, that
// window is created if absent (not shown), reset, marked and labelled; any
// other text touches no window.
void Remplir_Moyens_Carres(std::string_view Bande_Sel, std::string_view Carre_Sel, int& Nb_Carres_Trouves);

} // namespace Sous_Programmes
