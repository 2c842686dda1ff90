// The Europe map window: its design state, "Afficher" marking the real cells
// and labels, the report file's bytes and message, a folder that cannot be
// written, and the window's life cycle.
#include "core/Tab_Qso.h"
#include "core/ui/Ouvertures.h"
#include "maps/squares/Carte_Europe.h"
#include "tests/Lignes_Europe.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <unistd.h>

using namespace Sous_Programmes;
using Essais_Europe::Ligne;
using Essais_Europe::Remplir_Tab_Qso;

namespace {

const QString Message_Cree =
    QStringLiteral("Le fichier 'Carres non references.txt' a été crée dans le répértoire de Veltrix");
const QString Debut_Message_Echec =
    QStringLiteral("Le fichier 'Carres non references.txt' n'a pas pu être écrit");

bool Marquee(const Fenetre_Europe& f, int k) {
    const QWidget* c = f.Cellule(k);
    const QColor texte = c->palette().color(QPalette::WindowText);
    if (texte == QColor(Qt::red) && c->font().italic()) return true;
    if (texte == QColor(Qt::black) && !c->font().italic()) return false;
    qFatal("cell %d neither marked nor unmarked", k);
}

std::vector<int> Cellules_Rouges(const Fenetre_Europe& f) {
    std::vector<int> rouges;
    for (int k = 1; k <= 632; ++k)
        if (Marquee(f, k)) rouges.push_back(k);
    return rouges;
}

QString Texte(const QLabel* l) {
    return l->text();
}

} // namespace

class Test_Carte_Europe : public QObject {
    Q_OBJECT

    std::unique_ptr<Plateforme_Test> plateforme;

    QString Chemin_Rapport() const {
        return plateforme->dossier + QStringLiteral("/Carres non references.txt");
    }
    QByteArray Rapport() const {
        QFile f(Chemin_Rapport());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    Fenetre_Europe& Ouvrir() {
        Ouvrir_Carte_Europe();
        return *Carte_Europe_Ouverte();
    }
    static void Afficher(Fenetre_Europe& f, int item) {
        f.Bande_T()->setCurrentIndex(item);
        QTest::mouseClick(f.Command1(), Qt::LeftButton);
    }

private slots:
    void init() {
        plateforme = std::make_unique<Plateforme_Test>();
        Vider_Tab_Qso();
    }
    void cleanup() {
        if (auto* f = Carte_Europe_Ouverte()) f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        plateforme.reset();
    }

    void etat_design() {
        Fenetre_Europe& f = Ouvrir();
        QCOMPARE(f.windowTitle(), QStringLiteral("Carte_Europe"));
        QCOMPARE(f.Bande_T()->count(), 18);
        for (int i = 0; i < 18; ++i)
            QCOMPARE(f.Bande_T()->itemText(i).toStdString(), Items_Bande_Cartes()[std::size_t(i)]);
        QCOMPARE(f.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(f.Command1()->text(), QStringLiteral("Afficher"));
        QCOMPARE(Texte(f.Libelle_Compte()), QString());
        QCOMPARE(Texte(f.Libelle_Bande()), QString());
        QCOMPARE(Texte(f.findChild<QLabel*>(QStringLiteral("Label6"))),
                 QStringLiteral("Moyen(s) carré(s) Europe contacté(s) bande : "));
        QCOMPARE(Texte(f.findChild<QLabel*>(QStringLiteral("Label3"))), QStringLiteral("Bande"));
        QVERIFY(Cellules_Rouges(f).empty());
        QVERIFY(f.findChild<QWidget*>(QStringLiteral("cel(0)")) == nullptr);
        QWidget* io89 = f.findChild<QWidget*>(QStringLiteral("cel(1)"));
        QCOMPARE(io89->geometry(), QRect(264, 16, 25, 17));
        QCOMPARE(io89->parentWidget(), f.Picture1());
        QCOMPARE(f.Picture1()->geometry(), QRect(8, 64, 961, 513));
        QCOMPARE(f.Cellule(632)->geometry().topLeft(), QPoint(696, 416));
        for (int k = 1; k <= 632; ++k) QVERIFY(f.Cellule(k)->isVisibleTo(&f));

        // A second press of the main window's button shows the same window.
        Ouvrir_Carte_Europe();
        QCOMPARE(Carte_Europe_Ouverte(), &f);
    }

    void afficher() {
        Remplir_Tab_Qso(
            {Ligne("JN18AB", "14 Mhz ", "F6ABC", "05/01/2024"),
             Ligne("JN18", "14 Mhz ", "F5XYZ", "06/01/2024"), Ligne("KM28", "14 Mhz ", "SV1AA", "07/01/2024"),
             Ligne("KM24", "14 Mhz ", "SV1BB", "08/01/2024"), Ligne("IO00", "14 Mhz ", "G4AAA", "09/01/2024"),
             Ligne("JN18", "7.0 Mhz", "DL1AA", "10/01/2024")});
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, 5); // "14 Mhz "
        QCOMPARE(Cellules_Rouges(f), (std::vector<int>{212, 632}));
        QCOMPARE(Texte(f.Libelle_Compte()), QStringLiteral("2"));
        QCOMPARE(Texte(f.Libelle_Bande()), QStringLiteral("14 Mhz "));
        QCOMPARE(Rapport(), QByteArray("QSO du 09/01/2024 station G4AAA carr\xE9 locator IO00\r\n"
                                       "QSO du 07/01/2024 station SV1AA carr\xE9 locator KM28\r\n"));
        QCOMPARE(plateforme->messages, QStringList{Message_Cree});

        // Another band: only its own marks; no line, so an empty file and no message.
        Afficher(f, 3); // "7.0 Mhz"
        QCOMPARE(Cellules_Rouges(f), std::vector<int>{212});
        QCOMPARE(Texte(f.Libelle_Compte()), QStringLiteral("1"));
        QCOMPARE(Texte(f.Libelle_Bande()), QStringLiteral("7.0 Mhz"));
        QCOMPARE(Rapport(), QByteArray());
        QVERIFY(QFile::exists(Chemin_Rapport()));
        QCOMPARE(plateforme->messages.size(), 1);
        QVERIFY(f.Liste_Err.empty());

        // Changing the band alone changes nothing until "Afficher".
        f.Bande_T()->setCurrentIndex(0);
        QCOMPARE(Cellules_Rouges(f), std::vector<int>{212});
        QCOMPARE(Texte(f.Libelle_Bande()), QStringLiteral("7.0 Mhz"));
    }

    // Every run rewrites the file whole: never appended to, never kept from before.
    void rapport_reecrit() {
        Ecrire_Fichier(plateforme->dossier, QStringLiteral("Carres non references.txt"), "old line\r\n");
        Remplir_Tab_Qso({Ligne("IO00", "14 Mhz ", "G4AAA", "01/01/2024"), Ligne("JN  ", "7.0 Mhz", "F5CCC"),
                         Ligne("KM26", "14 Mhz ", "4X1AA", "02/01/2024")});
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, 0);
        QCOMPARE(Rapport(), QByteArray("QSO du 01/01/2024 station G4AAA carr\xE9 locator IO00\r\n"
                                       "QSO du 05/01/2024 station F5CCC carr\xE9 locator JN  \r\n"
                                       "QSO du 02/01/2024 station 4X1AA carr\xE9 locator KM26\r\n"));
        Afficher(f, 3);
        QCOMPARE(Rapport(), QByteArray("QSO du 05/01/2024 station F5CCC carr\xE9 locator JN  \r\n"));
        QCOMPARE(plateforme->messages, QStringList({Message_Cree, Message_Cree}));
        QCOMPARE(QDir(plateforme->dossier).entryList(QDir::Files),
                 QStringList{QStringLiteral("Carres non references.txt")});
    }

    // A typed text that is no item matches nothing, and is shown as typed.
    void bande_tapee() {
        Remplir_Tab_Qso({Ligne("JN18", "14 Mhz ", "F6ABC"), Ligne("IO00", "14 Mhz ", "G4AAA")});
        Fenetre_Europe& f = Ouvrir();
        f.Bande_T()->lineEdit()->clear();
        QTest::keyClicks(f.Bande_T(), QStringLiteral("14 Mhz"));
        QTest::mouseClick(f.Command1(), Qt::LeftButton);
        QVERIFY(Cellules_Rouges(f).empty());
        QCOMPARE(Texte(f.Libelle_Compte()), QStringLiteral("0"));
        QCOMPARE(Texte(f.Libelle_Bande()), QStringLiteral("14 Mhz"));
        QCOMPARE(Rapport(), QByteArray());
        QVERIFY(plateforme->messages.isEmpty());
    }

    // The folder is a path below a regular file, so nothing can be created in
    // it, whoever runs the test: the marks stay and the user is told why.
    void dossier_inexistant() {
        plateforme->dossier = Ecrire_Fichier(plateforme->temporaire.path(), QStringLiteral("fichier"), "x") +
                              QStringLiteral("/dossier");
        Remplir_Tab_Qso({Ligne("JN18", "14 Mhz ", "F6ABC"), Ligne("IO00", "14 Mhz ", "G4AAA")});
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, 0);
        QCOMPARE(Cellules_Rouges(f), std::vector<int>{212});
        QCOMPARE(Texte(f.Libelle_Compte()), QStringLiteral("1"));
        QCOMPARE(Texte(f.Libelle_Bande()), QStringLiteral("Toutes"));
        QCOMPARE(plateforme->messages.size(), 1);
        QVERIFY2(plateforme->messages[0].startsWith(Debut_Message_Echec),
                 qPrintable(plateforme->messages[0]));
        QVERIFY(plateforme->messages[0].contains(QStringLiteral("n'existe pas")));
    }

    // A folder the user may not write to: the previous report stays whole.
    void dossier_protege() {
        if (geteuid() == 0) QSKIP("root writes through folder permissions");
        Ecrire_Fichier(plateforme->dossier, QStringLiteral("Carres non references.txt"), "old line\r\n");
        QFile::setPermissions(plateforme->dossier, QFile::ReadOwner | QFile::ExeOwner);
        Remplir_Tab_Qso({Ligne("IO00", "14 Mhz ", "G4AAA")});
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, 0);
        QFile::setPermissions(plateforme->dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Rapport(), QByteArray("old line\r\n"));
        QCOMPARE(plateforme->messages.size(), 1);
        QVERIFY(plateforme->messages[0].startsWith(Debut_Message_Echec));
        QCOMPARE(QDir(plateforme->dossier).entryList(QDir::Files).size(), 1);
    }

    void fermer_rouvrir() {
        Remplir_Tab_Qso({Ligne("JN18", "14 Mhz ", "F6ABC"), Ligne("IO00", "14 Mhz ", "G4AAA")});
        Fenetre_Europe& f = Ouvrir();
        f.Bande_T()->setCurrentIndex(5);
        QTest::mouseClick(f.Command1(), Qt::LeftButton);
        QVERIFY(!f.Liste_Err.empty());
        QPointer<Fenetre_Europe> ancienne(&f);
        f.close();
        QVERIFY(Carte_Europe_Ouverte() == nullptr);
        QTRY_VERIFY(ancienne.isNull());

        Fenetre_Europe& g = Ouvrir();
        QVERIFY(Cellules_Rouges(g).empty());
        QCOMPARE(Texte(g.Libelle_Compte()), QString());
        QCOMPARE(Texte(g.Libelle_Bande()), QString());
        QCOMPARE(g.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(g.Bande_T()->count(), 18);
        QVERIFY(g.Liste_Err.empty());
        QVERIFY(QFile::exists(Chemin_Rapport())); // the report outlives the window
    }
};

QTEST_MAIN(Test_Carte_Europe)
#include "test_carte_europe.moc"
