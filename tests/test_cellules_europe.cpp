// The Europe cell table: its invariants, the numbering rule it follows, and
// the exact, group-confined lookup with the places of the known squares.
#include "maps/squares/Cellules_Europe.h"

#include <QtTest>
#include <map>
#include <set>

using namespace Sous_Programmes;

Q_DECLARE_METATYPE(Groupe_Europe)

namespace {

int Rang_Champ(std::string_view carre) {
    constexpr std::string_view ordre[] = {"IO", "IN", "IM", "JO", "JN", "JM", "KO", "KN", "KM"};
    for (int i = 0; i < 9; ++i)
        if (carre.substr(0, 2) == ordre[i]) return i;
    return -1;
}

} // namespace

class Test_Cellules_Europe : public QObject {
    Q_OBJECT

private slots:
    void invariants() {
        std::set<int> cellules;
        std::set<std::pair<int, int>> places;
        std::map<std::string_view, int> par_champ;
        for (const auto& e : Cellules_Europe) {
            QVERIFY2(cellules.insert(e.Cellule).second, "cell index used twice");
            QCOMPARE(Cellule_Europe(e.Carre), e.Cellule); // also: no square listed twice
            QCOMPARE(Carre_Europe(e.Cellule), e.Carre);
            ++par_champ[e.Carre.substr(0, 2)];
            const Rect_Twips r = Rect_Cellule_Europe(e.Carre);
            QVERIFY2(places.insert({r.Left, r.Top}).second, "two cells share a place");
            QVERIFY(r.Left > 0 && r.Left + r.Width <= 14415 && r.Top + r.Height <= 7695);
            // The first group holds 1..547 and 624..631, the second (KM) 548..623 and 632.
            const bool plage_km = (e.Cellule >= 548 && e.Cellule <= 623) || e.Cellule == 632;
            QCOMPARE(e.Carre.substr(0, 2) == "KM", plage_km);
        }
        QCOMPARE(*cellules.begin(), 1);
        QCOMPARE(*cellules.rbegin(), 632);
        const std::map<std::string_view, int> attendu = {{"IO", 43}, {"IN", 32}, {"IM", 50},
                                                         {"JO", 76}, {"JN", 93}, {"JM", 73},
                                                         {"KO", 99}, {"KN", 89}, {"KM", 77}};
        QVERIFY(par_champ == attendu);
    }

    // Cells 1..623 run by field (IO IN IM JO JN JM KO KN KM), then rows north
    // to south, then west to east; nine squares added last hold 624..632.
    void numerotation() {
        const auto cle = [](std::string_view c) { return std::tuple(Rang_Champ(c), -c[3], c[2]); };
        for (int k = 1; k < 623; ++k)
            QVERIFY2(cle(Carre_Europe(k)) < cle(Carre_Europe(k + 1)), qPrintable(QString::number(k)));
        const char* ajoutes[] = {"IN89", "JN10", "JN20", "JN60", "JM29", "JM65", "JM66", "JM75", "KM24"};
        for (int i = 0; i < 9; ++i) QCOMPARE(Carre_Europe(624 + i), std::string_view(ajoutes[i]));
    }

    void recherche_data() {
        QTest::addColumn<QString>("carre");
        QTest::addColumn<Groupe_Europe>("groupe");
        QTest::addColumn<int>("cellule");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("haut");
        const auto tous = Groupe_Europe::Tous;
        QTest::newRow("IO89") << "IO89" << tous << 1 << 3960 << 240;
        QTest::newRow("KN90") << "KN90" << tous << 547 << 13800 << 4800;
        QTest::newRow("KM09") << "KM09" << tous << 548 << 9600 << 5040;
        QTest::newRow("KM90") << "KM90" << tous << 623 << 13800 << 7200;
        QTest::newRow("IN89 before IN99 in its row") << "IN89" << tous << 624 << 3960 << 2640;
        QTest::newRow("KM24 numbered last") << "KM24" << tous << 632 << 10440 << 6240;
        QTest::newRow("JN10") << "JN10" << tous << 625 << 5400 << 4800;
        QTest::newRow("JN20") << "JN20" << tous << 626 << 5880 << 4800;
        QTest::newRow("JN60") << "JN60" << tous << 627 << 7800 << 4800;
        QTest::newRow("JN70") << "JN70" << tous << 288 << 8160 << 4800;
        QTest::newRow("IM13 column I1") << "IM13" << tous << 103 << 840 << 6480;
        QTest::newRow("IM73") << "IM73" << tous << 106 << 3600 << 6480;
        QTest::newRow("JM33") << "JM33" << tous << 330 << 6360 << 6480;
        QTest::newRow("JM43") << "JM43" << tous << 331 << 6840 << 6480;
        QTest::newRow("KM25") << "KM25" << tous << 586 << 10440 << 6000;
        QTest::newRow("KN77") << "KN77" << tous << 486 << 12840 << 3120;
        QTest::newRow("JN18") << "JN18" << tous << 212 << 5400 << 2880;
        QTest::newRow("KM24 first group") << "KM24" << Groupe_Europe::Premier << 0 << 0 << 0;
        QTest::newRow("KM24 second group") << "KM24" << Groupe_Europe::Second << 632 << 10440 << 6240;
        QTest::newRow("IN89 second group") << "IN89" << Groupe_Europe::Second << 0 << 0 << 0;
        QTest::newRow("JM75 first group") << "JM75" << Groupe_Europe::Premier << 631 << 8160 << 6000;
        for (const char* c : {"IO99", "IO00", "KO09", "JN30", "KM26", "JP00", "IL99", "jn18", "Jn18", "    ",
                              "JN  ", "JN1", "JN180", "", " JN1"})
            QTest::newRow(c) << QString::fromLatin1(c) << tous << 0 << 0 << 0;
    }
    void recherche() {
        QFETCH(QString, carre);
        QFETCH(Groupe_Europe, groupe);
        QFETCH(int, cellule);
        QFETCH(int, gauche);
        QFETCH(int, haut);
        const std::string c = carre.toStdString();
        QCOMPARE(Cellule_Europe(c, groupe), cellule);
        if (cellule == 0) return;
        const Rect_Twips r = Rect_Cellule_Europe(c);
        QCOMPARE(r.Left, gauche);
        QCOMPARE(r.Top, haut);
        QCOMPARE(r.Width, 375);
        QCOMPARE(r.Height, 255);
        QCOMPARE(Libelle_Cellule_Europe(c), std::string_view(c).substr(2));
    }
};

QTEST_GUILESS_MAIN(Test_Cellules_Europe)
#include "test_cellules_europe.moc"
