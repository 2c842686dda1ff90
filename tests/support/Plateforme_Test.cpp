#include "tests/support/Plateforme_Test.h"

#include "core/Tab_Qso.h"
#include "core/ui/Fenetre.h"

#include <QFile>

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

} // namespace Sous_Programmes
