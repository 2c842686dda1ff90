// The Europe cell table: its invariants, the numbering rule it follows, the
// known squares and their places, and the exact, group-confined lookup.
#include "maps/common/Cartes.h"
#include "maps/squares/Cellules_Europe.h"

#include <QtTest>
#include <map>
#include <set>

using namespace Sous_Programmes;

Q_DECLARE_METATYPE(Groupe_Europe)

namespace {

constexpr std::string_view Ordre_Champs[] = {"IO", "IN", "IM", "JO", "JN", "JM", "KO", "KN", "KM"};
constexpr std::string_view Carres_Ajoutes[] = {"IN89", "JN10", "JN20", "JN60", "JM29",
                                               "JM65", "JM66", "JM75", "KM24"};

int Rang_Champ(std::string_view carre) {
    for (int i = 0; i < 9; ++i)
        if (carre.substr(0, 2) == Ordre_Champs[i]) return i;
    return -1;
}

} // namespace

class Test_Cellules_Europe : public QObject {
    Q_OBJECT

private slots:
    void invariants() {
        std::set<int> cellules;
        std::set<std::string_view> carres;
        std::set<std::pair<int, int>> places;
        std::map<std::string_view, int> par_champ;
        for (const auto& e : Cellules_Europe) {
            QVERIFY2(cellules.insert(e.Cellule).second, "cell index used twice");
            QVERIFY2(carres.insert(e.Carre).second, "square listed twice");
            QCOMPARE(e.Carre.size(), std::size_t(4));
            QVERIFY(Rang_Champ(e.Carre) >= 0);
            ++par_champ[e.Carre.substr(0, 2)];
            QCOMPARE(Cellule_Europe(e.Carre), e.Cellule);
            QCOMPARE(Carre_Europe(e.Cellule), e.Carre);

            const Rect_Twips r = Rect_Cellule_Europe(e.Carre);
            QVERIFY2(places.insert({r.Left, r.Top}).second, "two cells share a place");
            QVERIFY(r.Left > 0 && r.Left + r.Width <= 14415);
            QVERIFY(r.Top >= 240 && r.Top + r.Height <= 7695);

            // The first group holds 1..547 and 624..631, the second (KM) 548..623 and 632.
            const bool km = e.Carre.substr(0, 2) == "KM";
            const bool plage_km = (e.Cellule >= 548 && e.Cellule <= 623) || e.Cellule == 632;
            QCOMPARE(km, plage_km);
        }
        QCOMPARE(*cellules.begin(), 1);
        QCOMPARE(*cellules.rbegin(), 632);
        const std::map<std::string_view, int> attendu = {{"IO", 43}, {"IN", 32}, {"IM", 50},
                                                         {"JO", 76}, {"JN", 93}, {"JM", 73},
                                                         {"KO", 99}, {"KN", 89}, {"KM", 77}};
        QVERIFY(par_champ == attendu);
        QCOMPARE(Carre_Europe(0), std::string_view{});
        QCOMPARE(Carre_Europe(633), std::string_view{});
    }

    // Cells 1..623 run by field (IO IN IM JO JN JM KO KN KM), then rows north
    // to south, then west to east; the nine squares added last hold 624..632.
    void numerotation() {
        for (int k = 1; k < 623; ++k) {
            const std::string_view a = Carre_Europe(k), b = Carre_Europe(k + 1);
            const auto cle = [](std::string_view c) { return std::tuple(Rang_Champ(c), -c[3], c[2]); };
            QVERIFY2(cle(a) < cle(b), qPrintable(QString::number(k)));
        }
        for (int i = 0; i < 9; ++i) QCOMPARE(Carre_Europe(624 + i), Carres_Ajoutes[i]);
    }

    void exemples_data() {
        QTest::addColumn<QString>("carre");
        QTest::addColumn<int>("cellule");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("haut");
        QTest::newRow("IO89 first") << "IO89" << 1 << 3960 << 240;
        QTest::newRow("KN90 end of first range") << "KN90" << 547 << 13800 << 4800;
        QTest::newRow("KM09 start of KM") << "KM09" << 548 << 9600 << 5040;
        QTest::newRow("KM90") << "KM90" << 623 << 13800 << 7200;
        QTest::newRow("IN89 out of row order") << "IN89" << 624 << 3960 << 2640;
        QTest::newRow("IN99") << "IN99" << 44 << 4440 << 2640;
        QTest::newRow("KM24 numbered last") << "KM24" << 632 << 10440 << 6240;
        QTest::newRow("KM64") << "KM64" << 592 << 12360 << 6240;
        QTest::newRow("JN00") << "JN00" << 286 << 4920 << 4800;
        QTest::newRow("JN10") << "JN10" << 625 << 5400 << 4800;
        QTest::newRow("JN20") << "JN20" << 626 << 5880 << 4800;
        QTest::newRow("JN40") << "JN40" << 287 << 6840 << 4800;
        QTest::newRow("JN60") << "JN60" << 627 << 7800 << 4800;
        QTest::newRow("JN70") << "JN70" << 288 << 8160 << 4800;
        QTest::newRow("IM13 column I1") << "IM13" << 103 << 840 << 6480;
        QTest::newRow("IM63") << "IM63" << 105 << 3120 << 6480;
        QTest::newRow("IM73") << "IM73" << 106 << 3600 << 6480;
        QTest::newRow("IM83") << "IM83" << 107 << 3960 << 6480;
        QTest::newRow("JM33") << "JM33" << 330 << 6360 << 6480;
        QTest::newRow("JM43") << "JM43" << 331 << 6840 << 6480;
        QTest::newRow("JM29") << "JM29" << 628 << 5880 << 5040;
        QTest::newRow("JM75") << "JM75" << 631 << 8160 << 6000;
        QTest::newRow("KM25") << "KM25" << 586 << 10440 << 6000;
        QTest::newRow("KM35") << "KM35" << 587 << 10920 << 6000;
        QTest::newRow("KM21") << "KM21" << 606 << 10440 << 6960;
        QTest::newRow("KN77") << "KN77" << 486 << 12840 << 3120;
        QTest::newRow("JN18") << "JN18" << 212 << 5400 << 2880;
        QTest::newRow("KO19 top right") << "KO19" << 360 << 9960 << 240;
    }
    void exemples() {
        QFETCH(QString, carre);
        QFETCH(int, cellule);
        QFETCH(int, gauche);
        QFETCH(int, haut);
        const std::string c = carre.toStdString();
        QCOMPARE(Cellule_Europe(c), cellule);
        const Rect_Twips r = Rect_Cellule_Europe(c);
        QCOMPARE(r.Left, gauche);
        QCOMPARE(r.Top, haut);
        QCOMPARE(r.Width, 375);
        QCOMPARE(r.Height, 255);
        QCOMPARE(Libelle_Cellule_Europe(c), std::string_view(c).substr(2));
    }

    void sans_cellule_data() {
        QTest::addColumn<QString>("carre");
        for (const char* c : {"IO99", "IO00", "KO09", "JN30", "KM26", "KM28", "IN00", "JP00", "IL99", "FN31",
                              "jn18", "Jn18", "    ", "JN  ", "JN1", "JN180", "", "JN1 ", " JN1"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void sans_cellule() {
        QFETCH(QString, carre);
        const std::string c = carre.toStdString();
        QCOMPARE(Cellule_Europe(c), 0);
        QCOMPARE(Rect_Cellule_Europe(c).Width, 0);
    }

    void groupes_data() {
        QTest::addColumn<QString>("carre");
        QTest::addColumn<Groupe_Europe>("groupe");
        QTest::addColumn<int>("cellule");
        QTest::newRow("KM24 in first group") << "KM24" << Groupe_Europe::Premier << 0;
        QTest::newRow("KM24 in second group") << "KM24" << Groupe_Europe::Second << 632;
        QTest::newRow("KM09 in first group") << "KM09" << Groupe_Europe::Premier << 0;
        QTest::newRow("IN89 in second group") << "IN89" << Groupe_Europe::Second << 0;
        QTest::newRow("IN89 in first group") << "IN89" << Groupe_Europe::Premier << 624;
        QTest::newRow("JM75 in first group") << "JM75" << Groupe_Europe::Premier << 631;
        QTest::newRow("KN90 in second group") << "KN90" << Groupe_Europe::Second << 0;
    }
    void groupes() {
        QFETCH(QString, carre);
        QFETCH(Groupe_Europe, groupe);
        QFETCH(int, cellule);
        QCOMPARE(Cellule_Europe(carre.toStdString(), groupe), cellule);
    }

    void description() {
        const Description_Carte& d = Description_Carte_Europe();
        QCOMPARE(d.Titre, std::string("Carte_Europe"));
        QCOMPARE(d.Sorte, Sorte_Cellule::Cel);
        QCOMPARE(d.Premier, 1);
        QCOMPARE(d.Dernier, 632);
        QCOMPARE(d.Cellules.size(), std::size_t(632));
        for (const auto& c : d.Cellules) {
            QCOMPARE(c.Zone, std::string(Carre_Europe(c.Index)));
            QCOMPARE(c.Pol.Famille, std::string("MS Reference Sans Serif"));
            QCOMPARE(c.Pol.Points, 9.0);
            QVERIFY(!c.Pol.Gras);
        }
    }
};

QTEST_GUILESS_MAIN(Test_Cellules_Europe)
#include "test_cellules_europe.moc"
