// The cell grid of the map windows: marked and unmarked states of the three
// kinds of cell, counting by colour, the captions, and the window drawing them.
#include "maps/common/Cartes.h"
#include "maps/common/Fenetre_Carte.h"
#include "tests/support/Plateforme_Test.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Sous_Programmes;

Q_DECLARE_METATYPE(Sorte_Cellule)

namespace {

// A small map: cells 1..6 in one row, with a strip of count and band labels.
Description_Carte Petite_Carte(Sorte_Cellule sorte, bool avec_afficher) {
    Description_Carte d;
    d.Nom = "Carte_Essai";
    d.Titre = "Carte Essai";
    d.Largeur_Client = 6000;
    d.Hauteur_Client = 3000;
    d.Bandeau = {120, 0, 5760, 735};
    d.Libelles = {{"NbGc",
                   Role_Libelle::Compte,
                   {100, 240, 615, 375},
                   "",
                   {"MS Sans Serif", 12, true},
                   Alignement::Droite},
                  {"Label2",
                   Role_Libelle::Fixe,
                   {800, 240, 3000, 375},
                   "grand(s)",
                   {"MS Sans Serif", 12, true},
                   Alignement::Gauche},
                  {"Bande",
                   Role_Libelle::Bande,
                   {3900, 240, 1215, 375},
                   "toutes",
                   {"MS Sans Serif", 12, true},
                   Alignement::Gauche}};
    d.Avec_Afficher = avec_afficher;
    d.Bande_T = {2160, 240, 1215, 315};
    d.Command1 = {3600, 240, 1095, 375};
    d.Picture1 = {0, 840, 6000, 2000};
    d.Sorte = sorte;
    d.Premier = 1;
    d.Dernier = 6;
    d.Nom_Cellules = "Text1";
    for (int k = 1; k <= 6; ++k)
        d.Cellules.push_back(
            {k, "Z" + std::to_string(k), {k * 600, 120, 375, 255}, "C" + std::to_string(k), {}});
    return d;
}

} // namespace

class Test_Grille_Cellules : public QObject {
    Q_OBJECT

    QPalette palette_claire;

private slots:
    void initTestCase() { palette_claire = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(palette_claire); }

    void etats_data() {
        QTest::addColumn<Sorte_Cellule>("sorte");
        QTest::addColumn<uint>("fond_design");
        QTest::addColumn<uint>("texte_design");
        QTest::addColumn<uint>("texte_marque");
        QTest::addColumn<uint>("fond_marque");
        QTest::addColumn<bool>("italique_marque");
        QTest::newRow("Text1") << Sorte_Cellule::Text1 << uint(0x80000005) << uint(0x80000008)
                               << uint(0x80000008) << uint(0x80FF80) << false;
        QTest::newRow("Dep") << Sorte_Cellule::Dep << uint(0xFFFFFF) << 0u << 0u << uint(0x80FF80) << false;
        QTest::newRow("cel") << Sorte_Cellule::Cel << uint(0x80000005) << 0u << 255u << uint(0x80000005)
                             << true;
    }
    void etats() {
        QFETCH(Sorte_Cellule, sorte);
        QFETCH(uint, fond_design);
        QFETCH(uint, texte_design);
        QFETCH(uint, texte_marque);
        QFETCH(uint, fond_marque);
        QFETCH(bool, italique_marque);
        Grille_Cellules g(sorte, 0, 9);
        QCOMPARE(g.Cellule(0).BackColor, fond_design);
        QCOMPARE(g.Cellule(9).ForeColor, texte_design);
        QCOMPARE(g.Compter(0, 9), 0);
        g.Marquer(3);
        g.Marquer(3); // marking a marked cell changes nothing
        g.Marquer(9);
        QCOMPARE(g.Cellule(3).BackColor, fond_marque);
        QCOMPARE(g.Cellule(3).ForeColor, texte_marque);
        QCOMPARE(g.Cellule(3).Italique, italique_marque);
        QCOMPARE(g.Compter(0, 9), 2);
        QCOMPARE(g.Compter(4, 9), 1);
        QCOMPARE(g.Cellules_Marquees(), (std::vector<int>{3, 9}));
        g.Reinitialiser(0, 5);
        QCOMPARE(g.Compter(0, 9), 1);
        QCOMPARE(g.Cellule(3).BackColor, fond_design);
        QCOMPARE(g.Cellule(3).ForeColor, texte_design);
        QCOMPARE(g.Cellule(3).Italique, false);
        g.Marquer(10); // outside the array: nothing
        g.Marquer(-1);
        QCOMPARE(g.Compter(-5, 20), 1);
    }

    void libelles() {
        Grille_Cellules g(Sorte_Cellule::Text1, 1, 324, "toutes");
        QCOMPARE(g.Bande(), std::string("toutes"));
        QCOMPARE(g.Compte(), std::string());
        g.Ecrire_Resultats(0, "14 Mhz ");
        QCOMPARE(g.Compte(), std::string("0"));
        QCOMPARE(g.Bande(), std::string("14 Mhz "));
        g.Ecrire_Compte(324);
        QCOMPARE(g.Compte(), std::string("324"));
    }

    void seuls_les_changements_sont_signales() {
        Grille_Cellules g(Sorte_Cellule::Text1, 1, 18);
        int appels = 0;
        g.Sur_Cellule = [&](int) { ++appels; };
        g.Reinitialiser(1, 18); // already unmarked
        QCOMPARE(appels, 0);
        for (int i = 0; i < 100; ++i) g.Marquer(5);
        QCOMPARE(appels, 1);
        g.Reinitialiser(1, 18);
        QCOMPARE(appels, 2);
    }

    void fenetre_dessine_la_grille() {
        Plateforme_Test plateforme;
        Fenetre_Carte f(Petite_Carte(Sorte_Cellule::Text1, true));
        f.Form_Load();
        QCOMPARE(f.windowTitle(), QStringLiteral("Carte Essai"));
        QCOMPARE(f.size(), QSize(400, 200));
        QWidget* c3 = f.Cellule(3);
        QVERIFY(c3);
        QCOMPARE(c3->objectName(), QStringLiteral("Text1(3)"));
        QCOMPARE(c3->parentWidget(), static_cast<QWidget*>(f.Picture1()));
        QCOMPARE(c3->geometry(), QRect(120, 8, 25, 17));
        const QColor base = f.palette().color(QPalette::Base);
        QCOMPARE(c3->palette().color(QPalette::Window), base);
        f.Grille().Marquer(3);
        QCOMPARE(c3->palette().color(QPalette::Window), QColor(128, 255, 128));
        f.Grille().Ecrire_Resultats(1, "7.0 Mhz");
        QCOMPARE(f.Libelle_Compte()->text(), QStringLiteral("1"));
        QCOMPARE(f.Libelle_Bande()->text(), QStringLiteral("7.0 Mhz"));
        QCOMPARE(f.Libelle_Compte()->objectName(), QStringLiteral("NbGc"));
        QCOMPARE(f.Libelle_Compte()->parentWidget()->objectName(), QStringLiteral("Frame1"));

        QVERIFY(f.Bande_T());
        QCOMPARE(f.Bande_T()->count(), 18);
        QCOMPARE(f.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(f.Bande_T()->itemText(4), QStringLiteral("10 Mhz "));
        int clics = 0;
        f.Command1_Click = [&](Fenetre_Carte& w) {
            QCOMPARE(&w, &f);
            ++clics;
        };
        QCOMPARE(f.Command1()->text(), QStringLiteral("Afficher"));
        QTest::mouseClick(f.Command1(), Qt::LeftButton);
        QCOMPARE(clics, 1);
    }

    void fenetre_europe_italique_rouge() {
        Plateforme_Test plateforme;
        Fenetre_Carte f(Petite_Carte(Sorte_Cellule::Cel, false));
        f.Form_Load();
        QVERIFY(!f.Bande_T());
        QVERIFY(!f.Command1());
        QWidget* c = f.Cellule(6);
        QCOMPARE(c->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!c->font().italic());
        f.Grille().Marquer(6);
        QCOMPARE(c->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(c->font().italic());
        f.Grille().Reinitialiser(1, 6);
        QVERIFY(!c->font().italic());
        QCOMPARE(f.Libelle_Bande()->text(), QStringLiteral("toutes"));
    }

    // When the desktop turns dark, the world and quarter cells take its
    // window colours as text boxes do: window text on the window background,
    // still window text once marked on light green. Field and Europe cells
    // keep their fixed colours.
    void couleurs_du_bureau_data() {
        QTest::addColumn<QString>("carte");
        QTest::addColumn<QColor>("fond");
        QTest::addColumn<QColor>("texte");
        QTest::addColumn<QColor>("texte_marque");
        const QColor base(0x20, 0x20, 0x20), texte(0xE0, 0xE0, 0xE0), noir(Qt::black);
        QTest::newRow("world Text1") << QStringLiteral("Carte_Monde") << base << texte << texte;
        QTest::newRow("quarter Text1") << QStringLiteral("Carte_SO") << base << texte << texte;
        QTest::newRow("field Dep") << QStringLiteral("Carte_JN") << QColor(Qt::white) << noir << noir;
        QTest::newRow("Europe cel") << QStringLiteral("Carte_Europe") << base << noir << QColor(Qt::red);
    }
    void couleurs_du_bureau() {
        QFETCH(QString, carte);
        QFETCH(QColor, fond);
        QFETCH(QColor, texte);
        QFETCH(QColor, texte_marque);
        Plateforme_Test plateforme;
        const Description_Carte& d = carte == QStringLiteral("Carte_Monde")    ? Description_Carte_Monde()
                                     : carte == QStringLiteral("Carte_SO")     ? Description_Quart(3)
                                     : carte == QStringLiteral("Carte_Europe") ? Description_Carte_Europe()
                                                                               : Description_Carte_Champ(4);
        QCOMPARE(QString::fromStdString(d.Nom), carte);
        Fenetre_Carte f(d);
        QPalette sombre = QApplication::palette();
        sombre.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        sombre.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
        sombre.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        sombre.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
        QApplication::setPalette(sombre); // the window was built under the light one
        QTRY_COMPARE(f.palette().color(QPalette::Base), QColor(0x20, 0x20, 0x20));
        const int k = f.Grille().Premier();
        const QWidget* cellule = f.Cellule(k);
        QCOMPARE(cellule->palette().color(QPalette::Window), fond);
        QCOMPARE(cellule->palette().color(QPalette::WindowText), texte);
        f.Grille().Marquer(k);
        QCOMPARE(cellule->palette().color(QPalette::WindowText), texte_marque);
    }
};

QTEST_MAIN(Test_Grille_Cellules)
#include "test_grille_cellules.moc"
