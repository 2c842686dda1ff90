// The Europe cell table: its invariants, the numbering rule it follows, and
// the exact, group-confined lookup with the places of a few squares.
#include "maps/squares/Cellules_Europe.h"

#include <QtTest>
#include <map>
#include <set>

using namespace Sous_Programmes;

Q_DECLARE_METATYPE(Groupe_Europe)

class Test_Cellules_Europe : public QObject {
    Q_OBJECT

private slots:
    // Each cell once, both ways; KM alone in 548..623 and 632; the squares per field.
    void invariants() {
        std::set<int> cellules;
        std::map<std::string_view, int> par_champ;
        for (const auto& e : Cellules_Europe) {
            QVERIFY2(cellules.insert(e.Cellule).second, "cell index used twice");
            QCOMPARE(Cellule_Europe(e.Carre), e.Cellule); // also: no square listed twice
            QCOMPARE(Carre_Europe(e.Cellule), e.Carre);
            ++par_champ[e.Carre.substr(0, 2)];
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
        const std::string_view ordre = "IOINIMJOJNJMKOKNKM";
        const auto cle = [&](std::string_view c) {
            return std::tuple(ordre.find(c.substr(0, 2)), -c[3], c[2]);
        };
        for (int k = 1; k < 623; ++k)
            QVERIFY2(cle(Carre_Europe(k)) < cle(Carre_Europe(k + 1)), qPrintable(QString::number(k)));
        const char* ajoutes[] = {"IN89", "JN10", "JN20", "JN60", "JM29", "JM65", "JM66", "JM75", "KM24"};
        for (int i = 0; i < 9; ++i) QCOMPARE(Carre_Europe(624 + i), std::string_view(ajoutes[i]));
        QCOMPARE(Carre_Europe(0), std::string_view());
        QCOMPARE(Carre_Europe(633), std::string_view());
    }

    void recherche_data() {
        QTest::addColumn<QString>("carre");
        QTest::addColumn<Groupe_Europe>("groupe");
        QTest::addColumn<int>("cellule");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("haut");
        const auto tous = Groupe_Europe::Tous;
        QTest::newRow("IO89 first") << "IO89" << tous << 1 << 3960 << 240;
        QTest::newRow("KN90 last of the eight fields") << "KN90" << tous << 547 << 13800 << 4800;
        QTest::newRow("KM09 first of KM") << "KM09" << tous << 548 << 9600 << 5040;
        QTest::newRow("IN89 added, before IN99 in its row") << "IN89" << tous << 624 << 3960 << 2640;
        QTest::newRow("IM13 column I1") << "IM13" << tous << 103 << 840 << 6480;
        QTest::newRow("JN18") << "JN18" << tous << 212 << 5400 << 2880;
        QTest::newRow("KM24 first group") << "KM24" << Groupe_Europe::Premier << 0 << 0 << 0;
        QTest::newRow("KM24 second group") << "KM24" << Groupe_Europe::Second << 632 << 10440 << 6240;
        QTest::newRow("IN89 second group") << "IN89" << Groupe_Europe::Second << 0 << 0 << 0;
        QTest::newRow("JM75 first group") << "JM75" << Groupe_Europe::Premier << 631 << 8160 << 6000;
        for (const char* c : {"IO00", "KM26", "JP00", "jn18", "JN  ", "JN1", "JN180", ""})
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
        QCOMPARE(QRect(r.Left, r.Top, r.Width, r.Height), QRect(gauche, haut, 375, 255));
    }
};

QTEST_GUILESS_MAIN(Test_Cellules_Europe)
#include "test_cellules_europe.moc"
