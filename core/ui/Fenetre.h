// What every window of the system shares: its load step beginning with the
// centring, its close step that unloads only itself, its single instance,
// and placing controls at their design places in twips.
#pragma once

#include "core/Twips.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace Sous_Programmes {

class Fenetre : public QWidget {
    Q_OBJECT
public:
    // A top-level window of the given client size in twips. Only Main is resizable.
    Fenetre(const QString& nom, int largeur_client, int hauteur_client, bool redimensionnable = false);

    // A fixed dialog frame: no minimise or maximise button, no taskbar entry.
    void Cadre_Dialogue();

    // The load step; the default is the centring alone.
    virtual void Form_Load();
    // True once the window has been closed: it no longer counts as loaded,
    // even before Qt has deleted it.
    bool Dechargee() const { return dechargee_; }
    void Marquer_Dechargee() { dechargee_ = true; }

protected:
    void closeEvent(QCloseEvent* e) override; // Form_Unload
    void moveEvent(QMoveEvent* e) override;   // the frame is known at last: centre on it

private:
    bool dechargee_ = false;
};

// Moves the window to the middle of the screen, its size unchanged: its outer
// frame, border and title bar included, is centred.
void Centrer_Fenetre(QWidget& fenetre);
// Where the window manager could not tell the frame before the window was
// shown, centres the shown window again once its frame can be measured.
void Recentrer_Si_Cadre_Inconnu(QWidget& fenetre);
// The whole close step of a window: unloads its own single instance, and nothing else.
void Decharger_Fenetre(Fenetre& fenetre);

// The single instance of one window kind: created, with its load step, on
// first use; gone once closed; created afresh by the next use.
template <class W> class Instance_Unique {
public:
    template <class Fabrique> W& Obtenir(Fabrique&& fabrique) {
        if (!Existe()) {
            fenetre_ = fabrique();
            fenetre_->Form_Load();
        }
        return *fenetre_;
    }
    bool Existe() const { return !fenetre_.isNull() && !fenetre_->Dechargee(); }
    W* Si_Existe() const { return Existe() ? fenetre_.data() : nullptr; }

private:
    QPointer<W> fenetre_;
};

// Shows a window modeless; one already shown stays as it is, brought forward.
void Montrer(QWidget& fenetre);

// Twips to pixels, and controls placed at their design rectangles.
int Pixels(int twips);
void Placer(QWidget& controle, const Rect_Twips& r);
QFont Police_Qt(const Police& p);
// A label's alignment: its designed horizontal one, its caption at the top.
Qt::Alignment Alignement_Qt(Alignement a);
// A label at its place, with its caption, font and alignment.
QLabel* Nouveau_Libelle(QWidget* parent, const QString& nom, const Rect_Twips& r, const QString& texte,
                        const Police& p, Alignement a);
// Sets a label's caption. A caption wider than the label's fixed width is
// drawn a little smaller (down to 70 % of its design size) rather than cut:
// the substitute fonts are wider than the ones the layout was drawn for.
void Ecrire_Libelle(QLabel& libelle, const QString& texte);
// An editable drop-down list on light yellow (&HC0FFFF). Its text is read as
// the user left it: typed text is neither completed nor added as an item, and
// never chooses an item (activated is emitted only for the drop-down and the
// arrow keys), however the field is left.
QComboBox* Nouvelle_Liste_Editable(QWidget* parent, const QString& nom, const Rect_Twips& r);
// A command button at its place; Return and Enter press it when it has the focus.
QPushButton* Nouveau_Bouton(QWidget* parent, const QString& nom, const QString& texte, const Rect_Twips& r);
// Adds the items, in order, to a list.
void Remplir_Liste(QComboBox& liste, const std::vector<std::string>& items);
// A frame without caption (a plain border) at its place.
QWidget* Nouveau_Cadre(QWidget* parent, const QString& nom, const Rect_Twips& r);

// A stored colour number resolved for drawing: system colour 5 is the
// palette's base colour, anything below &H80000000 is red | green<<8 | blue<<16.
QColor Couleur_Qt(unsigned int couleur, const QPalette& palette);

// Font names of the system mapped to fonts present here.
void Installer_Substitutions_Polices();
// The 32 x 32 icon every window carries (when the resource is built in).
QIcon Icone_Veltrix();

} // namespace Sous_Programmes
