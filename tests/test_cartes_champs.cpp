// The nine field map descriptions and the headless marking of a field's squares.
#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/squares/Cartes_Champs.h"
#include "tests/support/Plateforme_Test.h"

#include <QTest>

using namespace Sous_Programmes;

namespace {

std::string Ligne(const std::string& locator, const std::string& bande) {
    std::string loc = locator;
    loc.resize(6, ' ');
    return loc + "  " + bande + "   14  230  F1ABC" + std::string(12, ' ') + "01/02/2020";
}

// The records "locator|band;locator|band;..."; a locator may be shorter than 6.
void Remplir_Tab_Qso(const QString& qsos) {
    Vider_Tab_Qso();
    Nb_Qso = 1;
    for (const QString& q : qsos.split(QLatin1Char(';'))) {
        const QStringList p = q.split(QLatin1Char('|'));
        Tab_Qso[std::size_t(Nb_Qso)] = Ligne(p[0].toStdString(), p[1].toStdString());
        Nb_Qso += 1;
    }
}

QList<int> Marquees(const Grille_Cellules& g) {
    const auto v = g.Cellules_Marquees();
    return QList<int>(v.begin(), v.end());
}

const Definition_Cellule& Dep(const Description_Carte& d, int k) {
    return d.Cellules.at(std::size_t(k));
}

} // namespace

class Test_Cartes_Champs : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Vider_Tab_Qso(); }

    void place_des_cellules_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::newRow("JN18") << "JN" << 18 << 1680 << 960 << 300;
        QTest::newRow("JM18 one column shifted west") << "JM" << 18 << 1560 << 960 << 300;
        QTest::newRow("KN58 column 5 shifted east") << "KN" << 58 << 5640 << 960 << 300;
        QTest::newRow("KN48 beside it stays") << "KN" << 48 << 4560 << 960 << 300;
        QTest::newRow("KN68 beside it stays") << "KN" << 68 << 6480 << 960 << 300;
        QTest::newRow("Dep(0) bottom left") << "IM" << 0 << 720 << 4800 << 300;
        QTest::newRow("Dep(9) top left") << "IO" << 9 << 720 << 480 << 300;
        QTest::newRow("Dep(90) bottom right") << "KO" << 90 << 9360 << 4800 << 300;
        QTest::newRow("Dep(99) top right") << "JO" << 99 << 9360 << 480 << 300;
        QTest::newRow("JM Dep(99)") << "JM" << 99 << 9240 << 480 << 300;
        QTest::newRow("JM column 0 stays") << "JM" << 5 << 720 << 2400 << 300;
        QTest::newRow("JM column 4 stays") << "JM" << 47 << 4560 << 1440 << 300;
        QTest::newRow("JM column 3 shifted") << "JM" << 30 << 3480 << 4800 << 300;
        QTest::newRow("JN Dep(19) shorter") << "JN" << 19 << 1680 << 480 << 285;
        QTest::newRow("JN Dep(29) full height") << "JN" << 29 << 2640 << 480 << 300;
        QTest::newRow("JM Dep(19) full height") << "JM" << 19 << 1560 << 480 << 300;
    }
    void place_des_cellules() {
        QFETCH(QString, champ);
        QFETCH(int, k);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, height);
        const int c = Index_Champ(champ.toStdString());
        QVERIFY(c >= 0);
        const Definition_Cellule& cel = Dep(Description_Carte_Champ(c), k);
        QCOMPARE(cel.Index, k);
        QCOMPARE(cel.Rect.Left, left);
        QCOMPARE(cel.Rect.Top, top);
        QCOMPARE(cel.Rect.Width, 375);
        QCOMPARE(cel.Rect.Height, height);
        QCOMPARE(QString::fromStdString(cel.Zone), champ + QString::fromStdString(cel.Libelle));
    }

    // Over the 900 cells, only the listed ones leave the rule, and every cell
    // is labelled with its own two digits in the same font.
    void cellules_hors_regle() {
        int hors_regle = 0;
        for (int c = 0; c < 9; ++c) {
            const Description_Carte& d = Description_Carte_Champ(c);
            QCOMPARE(d.Cellules.size(), std::size_t(100));
            QCOMPARE(d.Premier, 0);
            QCOMPARE(d.Dernier, 99);
            QCOMPARE(d.Sorte, Sorte_Cellule::Dep);
            for (int k = 0; k < 100; ++k) {
                const Definition_Cellule& cel = Dep(d, k);
                QCOMPARE(QString::fromStdString(cel.Libelle), QString::asprintf("%02d", k));
                QCOMPARE(QString::fromStdString(cel.Pol.Famille), QStringLiteral("Arial"));
                QCOMPARE(cel.Pol.Points, 9.75);
                QVERIFY(cel.Pol.Gras);
                if (cel.Rect.Left != 720 + 960 * (k / 10) || cel.Rect.Top != 4800 - 480 * (k % 10) ||
                    cel.Rect.Height != 300)
                    ++hors_regle;
            }
        }
        QCOMPARE(hors_regle, 40 + 10 + 1);
    }

    void fenetres_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("dialogue");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("picture_top");
        QTest::addColumn<int>("picture_largeur");
        QTest::newRow("IM") << 0 << "IM" << true << 10695 << 6615 << 840 << 10455;
        QTest::newRow("IO") << 2 << "IO" << false << 10785 << 6735 << 960 << 10575;
        QTest::newRow("JN") << 4 << "JN" << true << 10680 << 6735 << 960 << 10455;
        QTest::newRow("KO") << 8 << "KO" << false << 10815 << 6705 << 960 << 10575;
    }
    void fenetres() {
        QFETCH(int, c);
        QFETCH(QString, nom);
        QFETCH(bool, dialogue);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(int, picture_top);
        QFETCH(int, picture_largeur);
        const Description_Carte& d = Description_Carte_Champ(c);
        QCOMPARE(QString::fromStdString(d.Nom), QStringLiteral("Carte_") + nom);
        QCOMPARE(QString::fromStdString(d.Titre), QStringLiteral("Carrés moyens du carré ") + nom);
        QCOMPARE(d.Cadre == Cadre_Fenetre::Dialogue, dialogue);
        QCOMPARE(d.Largeur_Client, largeur);
        QCOMPARE(d.Hauteur_Client, hauteur);
        QCOMPARE(d.Picture1.Left, 120);
        QCOMPARE(d.Picture1.Top, picture_top);
        QCOMPARE(d.Picture1.Width, picture_largeur);
        QCOMPARE(d.Picture1.Height, 5655);
        QCOMPARE(QString::fromStdString(d.Image),
                 QStringLiteral(":/maps/champ_") + nom.toLower() + QStringLiteral(".jpg"));
    }

    // The strip of every window reads count, caption, band: the caption is
    // right-aligned and ends just before the band label.
    void bandeau() {
        for (int c = 0; c < 9; ++c) {
            const Description_Carte& d = Description_Carte_Champ(c);
            const QString champ = QString::fromLatin1(Champs_Europe[std::size_t(c)]);
            QCOMPARE(d.Libelles.size(), std::size_t(3));
            const auto& nb = d.Libelles[0];
            const auto& label4 = d.Libelles[1];
            const auto& bande = d.Libelles[2];
            QCOMPARE(QString::fromStdString(nb.Nom), QStringLiteral("NbMc"));
            QCOMPARE(nb.Role, Role_Libelle::Compte);
            QCOMPARE(nb.Align, Alignement::Droite);
            QCOMPARE(nb.Rect.Width, 1215);
            QCOMPARE(QString::fromStdString(bande.Nom), QStringLiteral("Bande"));
            QCOMPARE(bande.Role, Role_Libelle::Bande);
            QCOMPARE(bande.Align, Alignement::Gauche);
            QCOMPARE(bande.Rect.Width, 1215);
            const QString texte = QString::fromStdString(label4.Texte);
            QCOMPARE(texte, QStringLiteral("Carré(s) moyen(s) du carré ") + champ +
                                QStringLiteral(" contacté(s) bande : "));
            QCOMPARE(texte.size(), 50);
            QCOMPARE(label4.Align, Alignement::Droite);
            const int fin_label4 = label4.Rect.Left + label4.Rect.Width;
            QVERIFY(fin_label4 > nb.Rect.Left + nb.Rect.Width);
            QVERIFY(fin_label4 < bande.Rect.Left && bande.Rect.Left - fin_label4 <= 225);
            for (const auto& l : d.Libelles) {
                QCOMPARE(l.Rect.Top, 240);
                QCOMPARE(l.Rect.Height, 255);
                QCOMPARE(QString::fromStdString(l.Pol.Famille), QStringLiteral("MS Sans Serif"));
                QCOMPARE(l.Pol.Points, 12.0);
                QVERIFY(l.Pol.Gras);
            }
            QCOMPARE(d.Bandeau.Height, 735);
            QVERIFY(d.Bandeau.Left + d.Bandeau.Width <= d.Largeur_Client);
            QVERIFY(d.Picture1.Left + d.Picture1.Width <= d.Largeur_Client);
            QVERIFY(d.Picture1.Top + d.Picture1.Height <= d.Hauteur_Client);
        }
    }

    void nom_de_champ_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("index");
        QTest::newRow("IM") << "IM" << 0;
        QTest::newRow("KO") << "KO" << 8;
        QTest::newRow("lower case") << "jn" << -1;
        QTest::newRow("mixed case") << "Jn" << -1;
        QTest::newRow("trailing blank") << "JN " << -1;
        QTest::newRow("square") << "JN18" << -1;
        QTest::newRow("outside the nine") << "JP" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void nom_de_champ() {
        QFETCH(QString, texte);
        QFETCH(int, index);
        QCOMPARE(Index_Champ(texte.toStdString()), index);
    }

    void numero_de_carre_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<int>("numero");
        QTest::newRow("00") << "JN00  " << 0;
        QTest::newRow("18") << "JN18AB" << 18;
        QTest::newRow("90") << "JN90  " << 90;
        QTest::newRow("99") << "KO99  " << 99;
        QTest::newRow("two blanks") << "JN    " << -1;
        QTest::newRow("letter") << "JN1A  " << -1;
        QTest::newRow("sign") << "JN-1  " << -1;
        QTest::newRow("digit then blank") << "JN1   " << -1;
        QTest::newRow("blank then digit") << "JN 1  " << -1;
        QTest::newRow("line too short") << "JN1" << -1;
        QTest::newRow("empty line") << "" << -1;
    }
    void numero_de_carre() {
        QFETCH(QString, ligne);
        QFETCH(int, numero);
        QCOMPARE(Numero_Moyen_Carre(ligne.toStdString()), numero);
    }

    void marquage_data() {
        QTest::addColumn<QString>("qsos");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QList<int>>("marquees");

        QTest::newRow("JN18 on 14 Mhz") << "JN18|14 Mhz "
                                        << "14 Mhz "
                                        << "JN" << QList<int>{18};
        QTest::newRow("another band") << "JN18|14 Mhz "
                                      << "7.0 Mhz"
                                      << "JN" << QList<int>{};
        QTest::newRow("label without its blank") << "JN18|14 Mhz "
                                                 << "14 Mhz"
                                                 << "JN" << QList<int>{};
        QTest::newRow("band case counts") << "JN18|14 Mhz "
                                          << "14 MHZ "
                                          << "JN" << QList<int>{};
        QTest::newRow("three bands under Toutes") << "JN18|14 Mhz ;JN18|7.0 Mhz;JN18|144 Mhz"
                                                  << "Toutes"
                                                  << "JN" << QList<int>{18};
        QTest::newRow("corners") << "JN90|3.5 Mhz;JN00|3.5 Mhz;JN09AB|3.5 Mhz"
                                 << "3.5 Mhz"
                                 << "JN" << QList<int>{0, 9, 90};
        QTest::newRow("field only and no locator") << "JN|14 Mhz ;|14 Mhz "
                                                   << "Toutes"
                                                   << "JN" << QList<int>{};
        QTest::newRow("JO records on JN") << "JO18|14 Mhz ;JO22|14 Mhz "
                                          << "Toutes"
                                          << "JN" << QList<int>{};
        QTest::newRow("malformed digits skipped")
            << "JN1A|14 Mhz ;JN-1|14 Mhz ;JN1|14 Mhz ;JN 1|14 Mhz ;JN22|14 Mhz "
            << "14 Mhz "
            << "JN" << QList<int>{22};
        QTest::newRow("only the chosen band of several")
            << "KN58|7.0 Mhz;KN11|10 Mhz ;KN12|10 Mhz ;KN11|10 Mhz "
            << "10 Mhz "
            << "KN" << QList<int>{11, 12};
    }
    void marquage() {
        QFETCH(QString, qsos);
        QFETCH(QString, bande);
        QFETCH(QString, champ);
        QFETCH(QList<int>, marquees);
        Remplir_Tab_Qso(qsos);
        Grille_Cellules g = Grille_Design(Description_Carte_Champ(Index_Champ(champ.toStdString())));
        int nb = -1;
        Remplir_Moyens_Carres(bande.toStdString(), champ.toStdString(), nb, &g);
        QCOMPARE(Marquees(g), marquees);
        QCOMPARE(nb, int(marquees.size()));
        QCOMPARE(QString::fromStdString(g.Compte()), QString::number(marquees.size()));
        QCOMPARE(QString::fromStdString(g.Bande()), bande);
    }

    void tous_les_carres() {
        QStringList qsos;
        for (int k = 99; k >= 0; --k)
            qsos << QString::asprintf("KM%02d|24 Ghz ", k) << QStringLiteral("KM50|1.8 Mhz");
        Remplir_Tab_Qso(qsos.join(QLatin1Char(';')));
        Grille_Cellules g = Grille_Design(Description_Carte_Champ(Index_Champ("KM")));
        int nb = 0;
        Remplir_Moyens_Carres("Toutes", "KM", nb, &g);
        QCOMPARE(nb, 100);
        QCOMPARE(QString::fromStdString(g.Compte()), QStringLiteral("100"));
    }

    // A second run on the same grid shows only its own band, and writes the
    // band before the count.
    void nouveau_trace_sur_une_autre_bande() {
        Remplir_Tab_Qso(QStringLiteral("JN18|14 Mhz ;JN27|14 Mhz ;JN33|7.0 Mhz"));
        Grille_Cellules g = Grille_Design(Description_Carte_Champ(Index_Champ("JN")));
        QStringList ordre;
        g.Sur_Libelles = [&] {
            ordre << QString::fromStdString(g.Bande()) + QLatin1Char('/') +
                         QString::fromStdString(g.Compte());
        };
        int nb = 0;
        Remplir_Moyens_Carres("14 Mhz ", "JN", nb, &g);
        QCOMPARE(Marquees(g), (QList<int>{18, 27}));
        ordre.clear();
        Remplir_Moyens_Carres("7.0 Mhz", "JN", nb, &g);
        QCOMPARE(Marquees(g), QList<int>{33});
        QCOMPARE(ordre.join(QLatin1Char(';')), QStringLiteral("7.0 Mhz/2;7.0 Mhz/1"));
        Remplir_Moyens_Carres("50 Mhz ", "JN", nb, &g);
        QCOMPARE(Marquees(g), QList<int>{});
        QCOMPARE(QString::fromStdString(g.Compte()), QStringLiteral("0"));
    }

    // Only records 1..Nb_Qso-1 are read: slot 0 and lines an earlier, longer
    // import left above the end are not.
    void lignes_lues() {
        Remplir_Tab_Qso(QStringLiteral("JN11|14 Mhz ;JN12|14 Mhz "));
        Tab_Qso[0] = Ligne("JN44", "14 Mhz ");
        Tab_Qso[3] = Ligne("JN55", "14 Mhz ");
        Nb_Qso = 2;
        Grille_Cellules g = Grille_Design(Description_Carte_Champ(Index_Champ("JN")));
        int nb = 0;
        Remplir_Moyens_Carres("Toutes", "JN", nb, &g);
        QCOMPARE(Marquees(g), QList<int>{11});
        Nb_Qso = 0;
        Remplir_Moyens_Carres("Toutes", "JN", nb, &g);
        QCOMPARE(nb, 0);
        QCOMPARE(QString::fromStdString(g.Compte()), QStringLiteral("0"));
    }

    // A field that names no window still counts its squares, touching no grid.
    void sans_fenetre() {
        Remplir_Tab_Qso(QStringLiteral("AA12|14 Mhz ;AA13|14 Mhz ;|14 Mhz "));
        int nb = -1;
        Remplir_Moyens_Carres("Toutes", "AA", nb, nullptr);
        QCOMPARE(nb, 2);
        Remplir_Moyens_Carres("Toutes", "  ", nb, nullptr);
        QCOMPARE(nb, 0);
    }
};

QTEST_GUILESS_MAIN(Test_Cartes_Champs)
#include "test_cartes_champs.moc"
