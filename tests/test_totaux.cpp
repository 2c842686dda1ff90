// The five totals from the sorted list of located lines, quirks included.
#include "core/Tab_Qso.h"
#include "core/Totaux.h"

#include <QtTest>
#include <algorithm>

using namespace Sous_Programmes;

namespace {

std::string Rempli(std::string s, std::size_t largeur) {
    s.resize(std::max(s.size(), largeur), ' ');
    return s;
}

// "locator|band label (7 characters)|zone|dxcc" as a record line.
std::string Ligne(const QByteArray& decrite) {
    const QByteArrayList p = decrite.split('|');
    return Rempli(p[0].toStdString(), 6) + "  " + p[1].toStdString() + "   " + Rempli(p[2].toStdString(), 2) +
           "  " + Rempli(p[3].toStdString(), 3) + "  " + Rempli("F1ABC", 15) + "  01/01/2020";
}

// The list as the import leaves it: sorted.
std::vector<std::string> Liste(const QByteArrayList& decrites) {
    std::vector<std::string> l;
    for (const auto& d : decrites) l.push_back(Ligne(d));
    std::sort(l.begin(), l.end());
    return l;
}

} // namespace

class Test_Totaux : public QObject {
    Q_OBJECT

private slots:
    void totaux_data() {
        QTest::addColumn<QByteArrayList>("lignes");
        QTest::addColumn<QByteArray>("selection");
        QTest::addColumn<QList<int>>("totaux"); // fields, squares, subsquares, zones, dxcc

        QTest::newRow("empty list") << QByteArrayList{} << QByteArray("Toutes") << QList<int>{0, 0, 0, 0, 0};

        const QByteArrayList exemple = {"JN18AA|14 Mhz |14|230", "JN18AA|14 Mhz |14|230",
                                        "JN18AB|14 Mhz |14|230", "JN19AA|7.0 Mhz|14|230"};
        QTest::newRow("1/2/3: Toutes") << exemple << QByteArray("Toutes") << QList<int>{1, 2, 3, 1, 1};
        QTest::newRow("1/2/3: 14 Mhz") << exemple << QByteArray("14 Mhz") << QList<int>{1, 1, 2, 1, 1};
        QTest::newRow("1/2/3: 7.0 Mhz") << exemple << QByteArray("7.0 Mhz") << QList<int>{1, 1, 1, 1, 1};
        QTest::newRow("1/2/3: 10 Mhz") << exemple << QByteArray("10 Mhz") << QList<int>{0, 0, 0, 0, 0};

        // Under a band only the first line of a subsquare brings its zone: the
        // 14 sorts first, so with JN18AB's 15 there are two zones, not one.
        const QByteArrayList zones = {"JN18AA|14 Mhz |15|", "JN18AA|14 Mhz |14|", "JN18AB|14 Mhz |15|"};
        QTest::newRow("zone 14 vs 15: Toutes") << zones << QByteArray("Toutes") << QList<int>{1, 1, 2, 2, 0};
        QTest::newRow("zone 14 vs 15: band") << zones << QByteArray("14 Mhz") << QList<int>{1, 1, 2, 2, 0};
        QTest::newRow("zone 14 vs 15: same subsquare only")
            << QByteArrayList{"JN18AA|14 Mhz |15|", "JN18AA|14 Mhz |14|"} << QByteArray("14 Mhz")
            << QList<int>{1, 1, 1, 1, 0};

        QTest::newRow("DXCC: 227 twice, 12A, empty")
            << QByteArrayList{"JN18AA|14 Mhz ||227", "JN18AB|14 Mhz ||227", "JN18AC|14 Mhz ||12A",
                              "JN18AD|14 Mhz ||"}
            << QByteArray("Toutes") << QList<int>{1, 1, 4, 0, 1};
        QTest::newRow("zero zone and zero DXCC count")
            << QByteArrayList{"JN18AA|14 Mhz |0|0"} << QByteArray("Toutes") << QList<int>{1, 1, 1, 1, 1};
        QTest::newRow("zones 5 and 05 are one zone, 40 counts")
            << QByteArrayList{"JN18AA|14 Mhz |5|", "JN18AB|14 Mhz |05|", "JN18AC|14 Mhz |40|"}
            << QByteArray("Toutes") << QList<int>{1, 1, 3, 2, 0};
        QTest::newRow("zones outside 0..40 are no zone")
            << QByteArrayList{"JN18AA|14 Mhz |41|", "JN18AB|14 Mhz |AB|", "JN18AC|14 Mhz |-1|",
                              "JN18AD|14 Mhz |+5|"}
            << QByteArray("Toutes") << QList<int>{1, 1, 4, 0, 0};
        QTest::newRow("DXCC 999 and 1 count") << QByteArrayList{"JN18AA|14 Mhz ||999", "JN18AB|14 Mhz ||1"}
                                              << QByteArray("Toutes") << QList<int>{1, 1, 2, 0, 2};

        const QByteArrayList dix = {"JN18AA|10 Mhz |14|227", "IO91AA|10 Ghz |14|223"};
        QTest::newRow("10 Mhz matches the label with its blank")
            << dix << QByteArray("10 Mhz") << QList<int>{1, 1, 1, 1, 1};
        QTest::newRow("10 Mhz with a blank matches nothing")
            << dix << QByteArray("10 Mhz ") << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("unknown selection") << dix << QByteArray("toutes") << QList<int>{0, 0, 0, 0, 0};

        QTest::newRow("short locators are keys of their own")
            << QByteArrayList{"JN|14 Mhz ||", "JN18|14 Mhz ||", "JN18AA|14 Mhz ||"} << QByteArray("Toutes")
            << QList<int>{1, 2, 3, 0, 0};
    }
    void totaux() {
        QFETCH(QByteArrayList, lignes);
        QFETCH(QByteArray, selection);
        QFETCH(QList<int>, totaux);
        const Totaux t = Calcul_Totaux(Liste(lignes), selection.toStdString());
        QCOMPARE((QList<int>{int(t[0]), int(t[1]), int(t[2]), int(t[3]), int(t[4])}), totaux);
    }

    // No 16-bit limit: every line of a long list is read.
    void liste_longue() {
        std::vector<std::string> liste;
        for (int i = 0; i < 40000; ++i) {
            const std::string loc = {char('A' + i / 2000), char('A' + i / 100 % 20), char('0' + i / 10 % 10),
                                     char('0' + i % 10)};
            liste.push_back(
                Ligne(QByteArray::fromStdString(loc) + "|14 Mhz |14|" + QByteArray::number(i % 1000)));
        }
        std::sort(liste.begin(), liste.end());
        const Totaux t = Calcul_Totaux(liste, "14 Mhz");
        QCOMPARE((QList<long>{t[0], t[1], t[2], t[3], t[4]}), (QList<long>{400, 40000, 40000, 1, 1000}));
    }
};

QTEST_GUILESS_MAIN(Test_Totaux)
#include "test_totaux.moc"
