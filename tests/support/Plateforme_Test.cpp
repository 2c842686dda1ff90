#include "tests/support/Plateforme_Test.h"

#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/ui/Fenetre.h"

#include <QFile>
#include <vector>

namespace Sous_Programmes {

Plateforme_Test::Plateforme_Test() {
    dossier = temporaire.path();
    Installer_Substitutions_Polices();
    Installer_Plateforme(this);
}

Plateforme_Test::~Plateforme_Test() {
    Installer_Plateforme(nullptr);
}

QString Plateforme_Test::Demander_Fichier(const QString& filtre) {
    filtres << filtre;
    if (fichiers.empty()) return {};
    QString f = fichiers.front();
    fichiers.pop_front();
    return f;
}

void Plateforme_Test::Message(const QString& texte) {
    messages << texte;
}

void Plateforme_Test::Ecrire_Reglage(const QString& application, const QString& section, const QString& cle,
                                     const QString& valeur) {
    reglages << application + QLatin1Char('|') + section + QLatin1Char('|') + cle + QLatin1Char('|') + valeur;
}

QString Ecrire_Fichier(const QString& dossier, const QString& nom, const std::string& contenu) {
    const QString chemin = dossier + QLatin1Char('/') + nom;
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    f.write(contenu.data(), qint64(contenu.size()));
    return chemin;
}

void Vider_Tab_Qso() {
    for (auto& l : Tab_Qso) l.clear();
    Nb_Qso = 0;
}

namespace {
std::string Cadre(std::string_view texte, std::size_t largeur) {
    std::string s(texte);
    if (s.size() < largeur) s.resize(largeur, ' ');
    return s;
}

std::vector<std::string_view> Morceaux(std::string_view texte, char separateur) {
    std::vector<std::string_view> morceaux;
    for (std::size_t debut = 0;;) {
        const std::size_t fin = texte.find(separateur, debut);
        morceaux.push_back(texte.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
        if (fin == std::string_view::npos) return morceaux;
        debut = fin + 1;
    }
}
} // namespace

std::string Ligne_Essai(std::string_view locator, std::string_view bande, std::string_view zone,
                        std::string_view dxcc, std::string_view indicatif, std::string_view date) {
    return Cadre(locator, 6) + "  " + Cadre(bande, 8) + "  " + Cadre(zone, 2) + "  " + Cadre(dxcc, 3) + "  " +
           Cadre(indicatif, 15) + "  " + std::string(date);
}

void Remplir_Tab_Qso(std::string_view qsos) {
    std::vector<std::string> lignes;
    for (std::string_view qso : Morceaux(qsos, ';')) {
        auto p = Morceaux(qso, '|');
        p.resize(4);
        lignes.push_back(Ligne_Essai(p[0], p[1], "14", "227", p[2], p[3]));
    }
    Vider_Tab_Qso();
    Ranger_Dans_Tab_Qso(std::move(lignes));
}

} // namespace Sous_Programmes
