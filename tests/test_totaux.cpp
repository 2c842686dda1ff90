// The five totals from the sorted list of located lines, quirks included.
#include "core/Tab_Qso.h"
#include "core/Totaux.h"
#include "tests/support/Plateforme_Test.h"

#include <QtTest>
#include <algorithm>

using namespace Sous_Programmes;

namespace {

// "locator|band label (7 characters)|zone|dxcc" as a record line.
std::string Ligne(const QByteArray& decrite) {
    const QByteArrayList p = decrite.split('|');
    return Ligne_Essai(p[0].toStdString(), p[1].toStdString(), p[2].toStdString(), p[3].toStdString(),
                       "F1ABC", "01/01/2020");
}

} // namespace

class Test_Totaux : public QObject {
    Q_OBJECT

private slots:
    void totaux_data() {
        QTest::addColumn<QByteArrayList>("lignes");
        QTest::addColumn<QByteArray>("selection");
        QTest::addColumn<QList<int>>("totaux"); // fields, squares, subsquares, zones, dxcc

        const QByteArrayList exemple = {"JN18AA|14 Mhz |14|230", "JN18AA|14 Mhz |14|230",
                                        "JN18AB|14 Mhz |14|230", "JN19AA|7.0 Mhz|14|230"};
        QTest::newRow("1/2/3: Toutes") << exemple << QByteArray("Toutes") << QList<int>{1, 2, 3, 1, 1};
        QTest::newRow("1/2/3: 14 Mhz") << exemple << QByteArray("14 Mhz") << QList<int>{1, 1, 2, 1, 1};
        QTest::newRow("1/2/3: 7.0 Mhz") << exemple << QByteArray("7.0 Mhz") << QList<int>{1, 1, 1, 1, 1};
        // The selection is compared exactly: no prefix, no blank, no case folding.
        for (const char* autre : {"14", "14 Mhz ", " 14 Mhz", "14 MHZ", "Toute", "Toutes "})
            QTest::addRow("1/2/3: '%s'", autre) << exemple << QByteArray(autre) << QList<int>{0, 0, 0, 0, 0};

        // Under a band only the first line of a subsquare brings its zone (the
        // 14 sorts first): with JN18AB's 15 there are two zones, without it one.
        QByteArrayList zones = {"JN18AA|14 Mhz |15|", "JN18AA|14 Mhz |14|", "JN18AB|14 Mhz |15|"};
        QTest::newRow("zone 14 vs 15: band") << zones << QByteArray("14 Mhz") << QList<int>{1, 1, 2, 2, 0};
        zones.removeLast();
        QTest::newRow("zone 14 vs 15: same subsquare")
            << zones << QByteArray("14 Mhz") << QList<int>{1, 1, 1, 1, 0};
        QTest::newRow("zone 14 vs 15: same subsquare, Toutes")
            << zones << QByteArray("Toutes") << QList<int>{1, 1, 1, 2, 0};

        // Zones 0, 5 (also written 05) and 40 count, not 41, AB, -1, +5; DXCC
        // 0, 1, 227 and 999 count, not 12A nor an empty one.
        QTest::newRow("which zones and DXCC count")
            << QByteArrayList{"JN18AA|14 Mhz |0|0",    "JN18AB|14 Mhz |5|1",    "JN18AC|14 Mhz |05|227",
                              "JN18AD|14 Mhz |40|227", "JN18AE|14 Mhz |41|999", "JN18AF|14 Mhz |AB|12A",
                              "JN18AG|14 Mhz |-1|",    "JN18AH|14 Mhz |+5|"}
            << QByteArray("Toutes") << QList<int>{1, 1, 8, 3, 4};

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
        std::vector<std::string> liste; // as the import leaves it: sorted
        for (const auto& l : lignes) liste.push_back(Ligne(l));
        std::sort(liste.begin(), liste.end());
        const Totaux t = Calcul_Totaux(liste, selection.toStdString());
        QCOMPARE((QList<int>{int(t[0]), int(t[1]), int(t[2]), int(t[3]), int(t[4])}), totaux);
    }

    // No 16-bit limit: every line of a long list is read.
    void liste_longue() {
        std::vector<std::string> liste;
        for (int i = 0; i < 40000; ++i) {
            const char champ[] = {char('A' + i / 2000), char('A' + i / 100 % 20), 0};
            liste.push_back(Ligne(champ + QByteArray::number(100 + i % 100).right(2) + "|14 Mhz |14|" +
                                  QByteArray::number(i % 1000)));
        }
        std::sort(liste.begin(), liste.end());
        const Totaux t = Calcul_Totaux(liste, "14 Mhz");
        QCOMPARE((QList<long>{t[0], t[1], t[2], t[3], t[4]}), (QList<long>{400, 40000, 40000, 1, 1000}));
    }
};

QTEST_GUILESS_MAIN(Test_Totaux)
#include "test_totaux.moc"
