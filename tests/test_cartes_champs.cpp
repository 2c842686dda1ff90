// The nine field map descriptions and the headless marking of a field's squares.
#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/squares/Cartes_Champs.h"
#include "tests/support/Plateforme_Test.h"

#include <QTest>

using namespace Sous_Programmes;

namespace {

// Records "locator|band;locator|band;..." from index 1; a locator may be shorter than 6.
void Remplir_Tab_Qso(const QString& qsos) {
    Vider_Tab_Qso();
    Nb_Qso = 1;
    for (const QString& q : qsos.split(QLatin1Char(';'))) {
        const QStringList p = q.split(QLatin1Char('|'));
        Tab_Qso[std::size_t(Nb_Qso)] = p[0].leftJustified(6).toStdString() + "  " + p[1].toStdString() +
                                       "   14  230  F1ABC            01/02/2020";
        Nb_Qso += 1;
    }
}

std::vector<int> Marquer(const QString& bande, const char* champ, int& nb) {
    Grille_Cellules g = Grille_Design(Description_Carte_Champ(Index_Champ(champ)));
    Remplir_Moyens_Carres(bande.toStdString(), champ, nb, &g);
    if (g.Compte() != std::to_string(nb) || g.Bande() != bande.toStdString()) return {-1};
    return g.Cellules_Marquees();
}

} // namespace

class Test_Cartes_Champs : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Vider_Tab_Qso(); }

    void place_des_cellules_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<int>("k");
        QTest::addColumn<QRect>("rect"); // left, top, width, height in twips
        QTest::newRow("JN18") << "JN" << 18 << QRect(1680, 960, 375, 300);
        QTest::newRow("JM18 column 1 west") << "JM" << 18 << QRect(1560, 960, 375, 300);
        QTest::newRow("KN58 column 5 east") << "KN" << 58 << QRect(5640, 960, 375, 300);
        QTest::newRow("Dep(0) bottom left") << "IM" << 0 << QRect(720, 4800, 375, 300);
        QTest::newRow("Dep(9) top left") << "IO" << 9 << QRect(720, 480, 375, 300);
        QTest::newRow("Dep(90) bottom right") << "KO" << 90 << QRect(9360, 4800, 375, 300);
        QTest::newRow("Dep(99) top right") << "JO" << 99 << QRect(9360, 480, 375, 300);
        QTest::newRow("JM Dep(99)") << "JM" << 99 << QRect(9240, 480, 375, 300);
        QTest::newRow("JM column 4 stays") << "JM" << 47 << QRect(4560, 1440, 375, 300);
        QTest::newRow("JN Dep(19) shorter") << "JN" << 19 << QRect(1680, 480, 375, 285);
    }
    void place_des_cellules() {
        QFETCH(QString, champ);
        QFETCH(int, k);
        QFETCH(QRect, rect);
        const Description_Carte& d = Description_Carte_Champ(Index_Champ(champ.toStdString()));
        const Definition_Cellule& cel = d.Cellules.at(std::size_t(k));
        QCOMPARE(cel.Index, k);
        QCOMPARE(QRect(cel.Rect.Left, cel.Rect.Top, cel.Rect.Width, cel.Rect.Height), rect);
        QCOMPARE(QString::fromStdString(cel.Zone), champ + QString::asprintf("%02d", k));
    }

    // Over the 900 cells only the listed ones leave the rule (JM's four
    // columns, KN's column 5, JN's Dep(19)); each shows its own two digits.
    void cellules_hors_regle() {
        int hors_regle = 0;
        for (int c = 0; c < 9; ++c) {
            const Description_Carte& d = Description_Carte_Champ(c);
            QCOMPARE(d.Cellules.size(), std::size_t(100));
            for (int k = 0; k < 100; ++k) {
                const Definition_Cellule& cel = d.Cellules[std::size_t(k)];
                QCOMPARE(QString::fromStdString(cel.Libelle), QString::asprintf("%02d", k));
                hors_regle += cel.Rect.Left != 720 + 960 * (k / 10) ||
                              cel.Rect.Top != 4800 - 480 * (k % 10) || cel.Rect.Width != 375 ||
                              cel.Rect.Height != 300;
            }
        }
        QCOMPARE(hors_regle, 40 + 10 + 1);
    }

    void bandeau() {
        const Description_Carte& d = Description_Carte_Champ(Index_Champ("JN"));
        QCOMPARE(QString::fromStdString(d.Titre), QStringLiteral("Carrés moyens du carré JN"));
        const QString label4 = QString::fromStdString(d.Libelles.at(1).Texte);
        QCOMPARE(label4, QStringLiteral("Carré(s) moyen(s) du carré JN contacté(s) bande : "));
        QCOMPARE(label4.size(), 50);
    }

    void marquage_data() {
        QTest::addColumn<QString>("qsos");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<std::vector<int>>("marquees");
        QTest::newRow("JN18 on 14 Mhz") << "JN18|14 Mhz "
                                        << "14 Mhz " << std::vector<int>{18};
        QTest::newRow("another band") << "JN18|14 Mhz "
                                      << "7.0 Mhz" << std::vector<int>{};
        QTest::newRow("label without its blank") << "JN18|14 Mhz "
                                                 << "14 Mhz" << std::vector<int>{};
        QTest::newRow("three bands, one square under Toutes") << "JN18|14 Mhz ;JN18|7.0 Mhz;JN18|144 Mhz"
                                                              << "Toutes" << std::vector<int>{18};
        QTest::newRow("corners") << "JN90|3.5 Mhz;JN00|3.5 Mhz;JN09AB|3.5 Mhz"
                                 << "3.5 Mhz" << std::vector<int>{0, 9, 90};
        QTest::newRow("field only and no locator") << "JN|14 Mhz ;|14 Mhz "
                                                   << "Toutes" << std::vector<int>{};
        QTest::newRow("JO records on JN") << "JO18|14 Mhz ;jn22|14 Mhz "
                                          << "Toutes" << std::vector<int>{};
        QTest::newRow("malformed digits skipped")
            << "JN1A|14 Mhz ;JN-1|14 Mhz ;JN1|14 Mhz ;JN 1|14 Mhz ;JN22|14 Mhz "
            << "14 Mhz " << std::vector<int>{22};
    }
    void marquage() {
        QFETCH(QString, qsos);
        QFETCH(QString, bande);
        QFETCH(std::vector<int>, marquees);
        Remplir_Tab_Qso(qsos);
        int nb = -1;
        QCOMPARE(Marquer(bande, "JN", nb), marquees);
        QCOMPARE(nb, int(marquees.size()));
    }

    void tous_les_carres() {
        QStringList qsos;
        for (int k = 99; k >= 0; --k) qsos << QString::asprintf("KM%02d|24 Ghz ;KM50|1.8 Mhz", k);
        Remplir_Tab_Qso(qsos.join(QLatin1Char(';')));
        int nb = 0;
        QCOMPARE(Marquer(QStringLiteral("Toutes"), "KM", nb).size(), std::size_t(100));
        QCOMPARE(nb, 100);
    }

    // Only records 1..Nb_Qso-1 are read: not slot 0, not the lines an
    // earlier, longer import left above the end; none at all before an import.
    void lignes_lues() {
        Remplir_Tab_Qso(QStringLiteral("JN11|14 Mhz ;JN12|14 Mhz "));
        Tab_Qso[0] = Tab_Qso[1];
        Tab_Qso[0][3] = '4';
        Nb_Qso = 2;
        int nb = 0;
        QCOMPARE(Marquer(QStringLiteral("Toutes"), "JN", nb), std::vector<int>{11});
        Nb_Qso = 0;
        QCOMPARE(Marquer(QStringLiteral("Toutes"), "JN", nb), std::vector<int>{});
    }
};

QTEST_GUILESS_MAIN(Test_Cartes_Champs)
#include "test_cartes_champs.moc"
