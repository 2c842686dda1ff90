// The nine field map descriptions and the headless marking of a field's squares.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/squares/Cartes_Champs.h"
#include "tests/support/Plateforme_Test.h"

#include <QTest>

using namespace Sous_Programmes;

namespace {

// The marked cells of a field's grid after a first run for "Toutes" and one
// for the band; {-1} when its labels disagree with nb or the band.
std::vector<int> Marquer(const QString& bande, int& nb, const std::string& champ = "JN") {
    Grille_Cellules g = Grille_Design(Description_Carte_Champ(Index_Champ(champ)));
    Remplir_Moyens_Carres("Toutes", champ, nb, &g);
    Remplir_Moyens_Carres(bande.toStdString(), champ, nb, &g);
    if (g.Compte() != std::to_string(nb) || g.Bande() != bande.toStdString()) return {-1};
    return g.Cellules_Marquees();
}

} // namespace

class Test_Cartes_Champs : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Vider_Tab_Qso(); }

    // Dep(k) of each field stands at column k / 10 from the west, row k % 10
    // from the south, and shows its two digits; only JM's four columns, KN's
    // column 5 and JN's Dep(19) leave that rule.
    void disposition() {
        const auto rect = [](const Definition_Cellule& c) {
            return QRect(c.Rect.Left, c.Rect.Top, c.Rect.Width, c.Rect.Height);
        };
        int hors_regle = 0;
        for (int c = 0; c < 9; ++c) {
            const auto& cellules = Description_Carte_Champ(c).Cellules;
            QCOMPARE(cellules.size(), std::size_t(100));
            for (int k = 0; k < 100; ++k) {
                const Definition_Cellule& cel = cellules[std::size_t(k)];
                QCOMPARE(cel.Index, k);
                QCOMPARE(QString::fromStdString(cel.Libelle), QString::asprintf("%02d", k));
                hors_regle += rect(cel) != QRect(720 + 960 * (k / 10), 4800 - 480 * (k % 10), 375, 300);
            }
        }
        QCOMPARE(hors_regle, 40 + 10 + 1);
        const auto place = [&](const char* champ, int k) {
            return rect(Description_Carte_Champ(Index_Champ(champ)).Cellules.at(std::size_t(k)));
        };
        QCOMPARE(place("JM", 18), QRect(1560, 960, 375, 300)); // column 1 further west
        QCOMPARE(place("KN", 58), QRect(5640, 960, 375, 300)); // column 5 further east
        QCOMPARE(place("JN", 19), QRect(1680, 480, 375, 285)); // shorter

        const Description_Carte& jn = Description_Carte_Champ(Index_Champ("JN"));
        QCOMPARE(QString::fromStdString(jn.Titre), QStringLiteral("Carrés moyens du carré JN"));
        QCOMPARE(QString::fromStdString(jn.Libelles.at(1).Texte),
                 QStringLiteral("Carré(s) moyen(s) du carré JN contacté(s) bande : "));
    }

    // Marking a field's squares (JN unless named).
    void marquage_data() {
        QTest::addColumn<QString>("qsos");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<std::vector<int>>("marquees");
        QTest::addColumn<QString>("champ");
        const auto ligne = [](const char* nom, const char* qsos, const char* bande, std::vector<int> marquees,
                              const QString& champ = QStringLiteral("JN")) {
            QTest::newRow(nom) << QString::fromLatin1(qsos).replace(QStringLiteral("JN"), champ)
                               << QString::fromLatin1(bande) << marquees << champ;
        };
        ligne("JN18 on 14 Mhz", "JN18|14 Mhz ;JN27|7.0 Mhz", "14 Mhz ", {18});
        ligne("label without its blank", "JN18|14 Mhz ", "14 Mhz", {});
        ligne("label with two blanks", "JN18|14 Mhz ", "14 Mhz  ", {});
        ligne("Toute", "JN18|14 Mhz ", "Toute", {});
        ligne("toutes", "JN18|14 Mhz ", "toutes", {});
        // Every field's first and last cells are marked and counted, then cleared by the next run.
        for (const char* champ : {"IM", "IN", "IO", "JM", "JN", "JO", "KM", "KN", "KO"}) {
            const char* qsos = "JN00|14 Mhz ;JN99|14 Mhz ;JN45|7.0 Mhz";
            const QString c = QString::fromLatin1(champ);
            ligne(qPrintable(c + QStringLiteral(" 00 and 99")), qsos, "14 Mhz ", {0, 99}, c);
            ligne(qPrintable(c + QStringLiteral(" 00 and 99 cleared")), qsos, "7.0 Mhz", {45}, c);
        }
        ligne("three bands, one square", "JN18|14 Mhz ;JN18|7.0 Mhz;JN18|144 Mhz", "Toutes", {18});
        ligne("corners", "JN90|3.5 Mhz;JN00|3.5 Mhz;JN09AB|3.5 Mhz", "3.5 Mhz", {0, 9, 90});
        ligne("field only, none, other field, lower case, malformed digits",
              "JN|14 Mhz ;|14 Mhz ;JO18|14 Mhz ;jn22|14 Mhz ;JN1A|14 Mhz ;JN-1|14 Mhz ;JN1|14 Mhz ;"
              "JN 1|14 Mhz ;JN22|14 Mhz ",
              "Toutes", {22});
    }
    void marquage() {
        QFETCH(QString, qsos);
        QFETCH(QString, bande);
        QFETCH(std::vector<int>, marquees);
        QFETCH(QString, champ);
        Remplir_Tab_Qso(qsos.toStdString());
        int nb = -1;
        QCOMPARE(Marquer(bande, nb, champ.toStdString()), marquees);
        QCOMPARE(nb, int(marquees.size()));
    }

    // Only records 1..Nb_Qso-1 are read: not slot 0, not the lines an
    // earlier, longer import left above the end; none at all before an import.
    void lignes_lues() {
        Remplir_Tab_Qso("JN11|14 Mhz ;JN12|14 Mhz ");
        Tab_Qso[0] = Tab_Qso[1];
        Tab_Qso[0][3] = '4';
        Nb_Qso = 2;
        int nb = 0;
        QCOMPARE(Marquer(QStringLiteral("Toutes"), nb), std::vector<int>{11});
        Nb_Qso = 0;
        QCOMPARE(Marquer(QStringLiteral("Toutes"), nb), std::vector<int>{});
    }
};

QTEST_GUILESS_MAIN(Test_Cartes_Champs)
#include "test_cartes_champs.moc"
