// "Sélection carte": the chooser of a world quarter and a band.
#include "core/Tab_Qso.h"
#include "core/ui/Ouvertures.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"
#include "maps/fields/Fenetres_Champs.h"

#include <QComboBox>
#include <QPushButton>

namespace Sous_Programmes {

namespace {
Instance_Unique<Select_Locator_Monde> Instance_Select;
} // namespace

Select_Locator_Monde::Select_Locator_Monde() : Fenetre(QStringLiteral("Select_Locator_Monde"), 3705, 2280) {
    const Police defaut;
    setFont(Police_Qt(defaut));
    setWindowTitle(QStringLiteral("Sélection carte"));

    QWidget* frame1 = Nouveau_Cadre(this, QStringLiteral("Frame1"), {120, 0, 3495, 735});
    Nouveau_Libelle(frame1, QStringLiteral("Label2"), {120, 240, 3255, 255},
                    QStringLiteral("Sélection d'une carte"), {"MS Sans Serif", 12, true}, Alignement::Centre);
    QWidget* frame2 = Nouveau_Cadre(this, QStringLiteral("Frame2"), {120, 720, 3495, 1455});
    Nouveau_Libelle(frame2, QStringLiteral("Label1"), {240, 240, 1575, 255}, QStringLiteral("Carte"), defaut,
                    Alignement::Centre);
    Nouveau_Libelle(frame2, QStringLiteral("Label3"), {2160, 240, 855, 255}, QStringLiteral("Bande"), defaut,
                    Alignement::Centre);

    // Over Frame2, drawn above it. Created in the tab order (Command1,
    // Liste_Zone, Bande_T): setTabOrder does not move an editable combo's
    // own editor, so the order of creation is what holds.
    Command1 =
        Nouveau_Bouton(this, QStringLiteral("Command1"), QStringLiteral("Afficher"), {1200, 1680, 1335, 255});
    Liste_Zone = Nouvelle_Liste_Editable(this, QStringLiteral("Liste_Zone"), {360, 1200, 1695, 315});
    Bande_T = Nouvelle_Liste_Editable(this, QStringLiteral("Bande_T"), {2280, 1200, 1095, 315});

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Select_Locator_Monde::Form_Load() {
    Centrer_Fenetre(*this);
    for (auto quart : Quarts_Monde)
        Liste_Zone->addItem(QString::fromUtf8(quart.data(), qsizetype(quart.size())));
    Remplir_Liste(*Bande_T, Items_Bande_Cartes());
    Liste_Zone->setCurrentIndex(0);
    Bande_T->setCurrentIndex(0);
}

void Select_Locator_Monde::Command1_Click() {
    const std::string bande = Bande_T->currentText().toStdString();
    const std::string quart = Liste_Zone->currentText().toStdString();
    Marque_Quart_Monde(quart, bande);
    const int q = Numero_Quart(quart);
    if (q >= 0) Montrer(Carte_Quart(q));
}

Select_Locator_Monde& Obtenir_Select_Locator_Monde() {
    return Instance_Select.Obtenir([] { return new Select_Locator_Monde; });
}

Select_Locator_Monde* Select_Locator_Monde_Si_Existe() {
    return Instance_Select.Si_Existe();
}

void Ouvrir_Select_Locator_Monde() {
    Montrer(Obtenir_Select_Locator_Monde());
}

} // namespace Sous_Programmes
