// The Europe marking run on its cell grid: band test, two-part count, and the
// report lines with their order, text and bytes.
#include "maps/common/Cartes.h"
#include "maps/squares/Cellules_Europe.h"
#include "maps/squares/Marque_Carte_Europe.h"
#include "tests/Lignes_Europe.h"

#include <QtTest>

using namespace Sous_Programmes;
using Essais_Europe::Ligne;
using Essais_Europe::Remplir_Tab_Qso;

namespace {

struct Resultat {
    std::vector<int> cellules;
    std::string compte;
    std::string bande;
    std::vector<std::string> lignes;
};

Resultat Marquer(std::string_view bande) {
    Grille_Cellules cel = Grille_Design(Description_Carte_Europe());
    Resultat r;
    Marque_Carte_Europe(cel, bande, r.lignes);
    r.cellules = cel.Cellules_Marquees();
    r.compte = cel.Compte();
    r.bande = cel.Bande();
    return r;
}

QStringList Texte(const std::vector<std::string>& lignes) {
    QStringList l;
    for (const auto& s : lignes) l << QString::fromLatin1(s.data(), qsizetype(s.size()));
    return l;
}

} // namespace

class Test_Marque_Europe : public QObject {
    Q_OBJECT

private slots:
    void init() { Vider_Tab_Qso(); }

    void bande_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("compte");
        QTest::addColumn<std::vector<int>>("cellules");
        // JN18 twice on 14 MHz and once on 7 MHz, KM24 on 14 MHz, IN89 on 7 MHz.
        QTest::newRow("14 Mhz ") << "14 Mhz "
                                 << "2" << std::vector<int>{212, 632};
        QTest::newRow("7.0 Mhz") << "7.0 Mhz"
                                 << "2" << std::vector<int>{212, 624};
        QTest::newRow("Toutes") << "Toutes"
                                << "3" << std::vector<int>{212, 624, 632};
        QTest::newRow("typed without blank") << "14 Mhz"
                                             << "0" << std::vector<int>{};
        QTest::newRow("lower case") << "toutes"
                                    << "0" << std::vector<int>{};
        QTest::newRow("no record") << "1.8 Mhz"
                                   << "0" << std::vector<int>{};
    }
    void bande() {
        QFETCH(QString, bande);
        QFETCH(QString, compte);
        QFETCH(std::vector<int>, cellules);
        Remplir_Tab_Qso({Ligne("JN18AB", "14 Mhz ", "F6ABC"), Ligne("JN18", "14 Mhz ", "F5XYZ"),
                         Ligne("JN18CD", "7.0 Mhz", "DL1AA"), Ligne("KM24", "14 Mhz ", "SV1AB"),
                         Ligne("IN89", "7.0 Mhz", "F1ZZ")});
        const Resultat r = Marquer(bande.toStdString());
        QCOMPARE(r.cellules, cellules);
        QCOMPARE(QString::fromStdString(r.compte), compte);
        QCOMPARE(QString::fromStdString(r.bande), bande); // shown as chosen, trailing blank kept
        QVERIFY(r.lignes.empty());
    }

    // Cells of the first group numbered above 547 are counted in the second
    // part; both parts add up to every marked cell.
    void compte_en_deux_parties() {
        Remplir_Tab_Qso({Ligne("IN89", "14 Mhz ", "A"), Ligne("JM75", "14 Mhz ", "B"),
                         Ligne("KM24", "14 Mhz ", "C"), Ligne("IO89", "14 Mhz ", "D"),
                         Ligne("KN90", "14 Mhz ", "E"), Ligne("KM09", "14 Mhz ", "F")});
        const Resultat r = Marquer("Toutes");
        QCOMPARE(r.cellules, (std::vector<int>{1, 547, 548, 624, 631, 632}));
        QCOMPARE(r.compte, std::string("6"));
    }

    void sans_qso() {
        Resultat r = Marquer("Toutes");
        QCOMPARE(r.compte, std::string("0"));
        QVERIFY(r.cellules.empty());
        Remplir_Tab_Qso({});
        r = Marquer("Toutes");
        QCOMPARE(r.compte, std::string("0"));
        QVERIFY(r.lignes.empty());
    }

    // A second run on the same grid shows only its own band; lines never pile up.
    void nouveau_trace() {
        Remplir_Tab_Qso(
            {Ligne("JN18", "14 Mhz ", "A"), Ligne("IO00", "14 Mhz ", "B"), Ligne("JO20", "7.0 Mhz", "C")});
        Grille_Cellules cel = Grille_Design(Description_Carte_Europe());
        std::vector<std::string> liste;
        Marque_Carte_Europe(cel, "14 Mhz ", liste);
        QCOMPARE(cel.Cellules_Marquees(), std::vector<int>{212});
        QCOMPARE(liste.size(), std::size_t(1));
        Marque_Carte_Europe(cel, "7.0 Mhz", liste);
        QCOMPARE(cel.Cellules_Marquees(), std::vector<int>{Cellule_Europe("JO20")});
        QVERIFY(!cel.Cellule(212).Italique);
        QCOMPARE(cel.Cellule(212).ForeColor, Couleur_Noir);
        QVERIFY(liste.empty());
    }

    void ordre_du_rapport() {
        Remplir_Tab_Qso({
            Ligne("KM28", "14 Mhz ", "SV1AA", "01/02/2023"), Ligne("IO00", "14 Mhz ", "G4AAA", "02/02/2023"),
            Ligne("FN31", "14 Mhz ", "W1AW", "03/02/2023"), // other field: nothing
            Ligne("JN30", "14 Mhz ", "F6BBB", "04/02/2023"),
            Ligne("JN30", "14 Mhz ", "F6BBB", "04/02/2023"), // duplicates are not merged
            Ligne("KM26", "14 Mhz ", "4X1AA", "05/02/2023"),
            Ligne("JN", "14 Mhz ", "F5CCC", "06/02/2023"),    // field only
            Ligne("", "14 Mhz ", "F5DDD", "07/02/2023"),      // no locator: nothing
            Ligne("jn30", "14 Mhz ", "F5EEE", "08/02/2023"),  // not a field of the map
            Ligne("KO09", "7.0 Mhz", "UA3AAA", "09/02/2023"), // other band
            Ligne("KM  ", "14 Mhz ", "TA1AA", "10/02/2023"),
            Ligne("IN89", "14 Mhz ", "F1AAA", "11/02/2023"), // has a cell: marked
        });
        const Resultat r = Marquer("14 Mhz ");
        const QStringList attendu = {
            QStringLiteral("QSO du 02/02/2023 station G4AAA carré locator IO00"),
            QStringLiteral("QSO du 04/02/2023 station F6BBB carré locator JN30"),
            QStringLiteral("QSO du 04/02/2023 station F6BBB carré locator JN30"),
            QStringLiteral("QSO du 06/02/2023 station F5CCC carré locator JN  "),
            QStringLiteral("QSO du 01/02/2023 station SV1AA carré locator KM28"),
            QStringLiteral("QSO du 05/02/2023 station 4X1AA carré locator KM26"),
            QStringLiteral("QSO du 10/02/2023 station TA1AA carré locator KM  "),
        };
        QCOMPARE(Texte(r.lignes), attendu);
        QCOMPARE(r.cellules, std::vector<int>{624});
        // Under "Toutes" the KO09 contact is reported too, among the first group.
        QCOMPARE(Marquer("Toutes").lignes.size(), std::size_t(8));
        QCOMPARE(Texte(Marquer("Toutes").lignes).at(4),
                 QStringLiteral("QSO du 09/02/2023 station UA3AAA carré locator KO09"));
    }

    // Windows-1252: the "é" is the one byte 0xE9; the log's own bytes pass as they are.
    void octets_de_la_ligne() {
        QCOMPARE(Ligne_Rapport_Europe("01/02/2023", "F6ABC", "IO00"),
                 std::string("QSO du 01/02/2023 station F6ABC carr\xE9 locator IO00"));
        Remplir_Tab_Qso(
            {Ligne("IO00", "14 Mhz ", "F6\xC9Z/P", "31/12/1999"), Ligne("KM28", "14 Mhz ", "", "")});
        const Resultat r = Marquer("Toutes");
        QCOMPARE(r.lignes.at(0), std::string("QSO du 31/12/1999 station F6\xC9Z/P carr\xE9 locator IO00"));
        QCOMPARE(r.lignes.at(1), std::string("QSO du  station  carr\xE9 locator KM28"));
    }

    // Only columns 45-54 are the date; the call is trimmed, the square is not.
    void colonnes() {
        std::string longue = Ligne("IO00", "14 Mhz ", "G4AAA", "01/02/2023XYZ");
        Remplir_Tab_Qso({longue, Ligne("IO00", "14 Mhz ", "G4AAA", "1/2/23")});
        const Resultat r = Marquer("Toutes");
        QCOMPARE(Texte(r.lignes),
                 QStringList({QStringLiteral("QSO du 01/02/2023 station G4AAA carré locator IO00"),
                              QStringLiteral("QSO du 1/2/23 station G4AAA carré locator IO00")}));
    }
};

QTEST_GUILESS_MAIN(Test_Marque_Europe)
#include "test_marque_europe.moc"
