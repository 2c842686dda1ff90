#include "core/ui/Import_Adif.h"

#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/ui/Plateforme.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <new>
#include <optional>

namespace Sous_Programmes {

namespace {

// The wait cursor, shown only while the log is read and parsed: it must be
// gone before any message box asks for OK.
class Curseur_Attente {
public:
    Curseur_Attente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Curseur_Attente() { QApplication::restoreOverrideCursor(); }
    Curseur_Attente(const Curseur_Attente&) = delete;
    Curseur_Attente& operator=(const Curseur_Attente&) = delete;
};

QString Nom_Affiche(const QString& nom) {
    return QStringLiteral("\"") + QDir::toNativeSeparators(nom) + QStringLiteral("\"");
}

// The whole log, or the French reason why it could not be read.
std::optional<QByteArray> Lire_Fichier(const QString& nom, QString& erreur) {
    const QFileInfo info(nom);
    if (!info.exists()) {
        erreur = QStringLiteral("Le fichier %1 est introuvable.").arg(Nom_Affiche(nom));
        return std::nullopt;
    }
    if (info.isDir()) {
        erreur = QStringLiteral("%1 est un dossier, pas un fichier.").arg(Nom_Affiche(nom));
        return std::nullopt;
    }
    // A device or a pipe could block the reading or never end it.
    if (!info.isFile()) {
        erreur = QStringLiteral("%1 n'est pas un fichier ordinaire.").arg(Nom_Affiche(nom));
        return std::nullopt;
    }
    QFile fichier(nom);
    if (!fichier.open(QIODevice::ReadOnly)) {
        erreur = QStringLiteral("Impossible d'ouvrir le fichier %1.").arg(Nom_Affiche(nom));
        return std::nullopt;
    }
    QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        erreur = QStringLiteral("Impossible de lire le fichier %1.").arg(Nom_Affiche(nom));
        return std::nullopt;
    }
    return octets;
}

} // namespace

void Import_Adif(std::vector<std::string>& liste_loc) {
    liste_loc.clear();
    const QString nom = Plateforme_Courante().Demander_Fichier(QString::fromLatin1(Filtre_Adif));
    if (nom.isEmpty()) {
        Afficher_Message(QStringLiteral("selectionnez un fichier ou quitter"));
        return;
    }

    // Read and parse everything first: the table changes only once the whole
    // log has been read, so a failure leaves the previous import in place.
    Resultat_Adif resultat;
    QString erreur;
    {
        const Curseur_Attente attente;
        try {
            if (const auto octets = Lire_Fichier(nom, erreur))
                resultat = Lire_Adif(std::string_view(octets->constData(), std::size_t(octets->size())));
        } catch (const std::bad_alloc&) {
            erreur = QStringLiteral("Mémoire insuffisante pour lire le fichier %1.").arg(Nom_Affiche(nom));
        }
    }
    if (!erreur.isEmpty()) {
        Afficher_Message(erreur);
        // Nothing of the previous import is lost: its table is untouched, and
        // the totals go on counting it.
        liste_loc = Lignes_Localisees();
        return;
    }

    const QString bande_absente =
        QString::fromUtf8(Message_Bande_Absente.data(), qsizetype(Message_Bande_Absente.size()));
    for (int i = 0; i < resultat.Messages_Bande; ++i) Afficher_Message(bande_absente);
    Ranger_Dans_Tab_Qso(std::move(resultat.Lignes));
    if (resultat.Tronque) Afficher_Message(Message_Trop_De_Qso());
    liste_loc = Lignes_Localisees();
}

QString Message_Trop_De_Qso() {
    return QStringLiteral("Le log contient plus de %1 QSO : seuls les %1 premiers ont été importés.")
        .arg(Capacite_Tab_Qso);
}

} // namespace Sous_Programmes
