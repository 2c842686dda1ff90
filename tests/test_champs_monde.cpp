// Fields on the world and quarter maps, without windows: cell numbering both
// ways, and every cell standing over its own field of the picture.
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"

#include <QTest>
#include <algorithm>

using namespace Sous_Programmes;

namespace {
// -1 stands for the world map, 0..3 for the quarters.
const Zone_Champs& Zone(int carte) {
    return carte < 0 ? Zone_Monde : Zones_Quarts[carte];
}
const Description_Carte& Description(int carte) {
    return carte < 0 ? Description_Carte_Monde() : Description_Quart(carte);
}
} // namespace

class Test_Champs_Monde : public QObject {
    Q_OBJECT
private slots:
    void numerotation_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<int>("k"); // 0: no cell
        const struct {
            int carte;
            const char* champ;
            int k;
        } lignes[] = {{-1, "AR", 1},   {-1, "RR", 18},  {-1, "AQ", 19},  {-1, "AB", 289}, {-1, "AA", 307},
                      {-1, "RA", 324}, {-1, "QA", 323}, {-1, "QJ", 161}, {-1, "PQ", 34},  {-1, "OP", 51},
                      {0, "IR", 1},    {0, "RR", 10},   {0, "IQ", 11},   {0, "RJ", 90},   {0, "QJ", 89},
                      {1, "AR", 1},    {1, "HR", 8},    {1, "BJ", 66},   {1, "HJ", 72},   {2, "II", 1},
                      {2, "QA", 89},   {2, "RA", 90},   {3, "AI", 1},    {3, "HA", 72},   {-1, "SA", 0},
                      {-1, "J1", 0},   {-1, "jn", 0},   {-1, "  ", 0},   {-1, "J", 0},    {-1, "JNX", 0},
                      {2, "JN", 0},    {0, "QA", 0},    {1, "IR", 0},    {3, "HJ", 0}};
        for (const auto& l : lignes)
            QTest::addRow("%d '%s'", l.carte, l.champ) << l.carte << QString::fromLatin1(l.champ) << l.k;
    }
    void numerotation() {
        QFETCH(int, carte);
        QFETCH(QString, champ);
        QFETCH(int, k);
        QCOMPARE(Cellule_Champ(Zone(carte), champ.toStdString()), k);
        if (k == 0) return;
        QCOMPARE(QString::fromStdString(Champ_Cellule(Zone(carte), k)), champ);
        const auto& cellule = Description(carte).Cellules.at(std::size_t(k - 1));
        QCOMPARE(cellule.Index, k);
        QCOMPARE(QString::fromStdString(cellule.Libelle), champ);
    }

    // Each cell stands inside the field it names on the picture under it,
    // 3 px clear of the field lines (x = ax*lon + bx, y = by - ay*lat, 15
    // twips a pixel); AB is the one shorter world cell, Text1(2) of the east
    // quarters the one smaller font.
    void cellules_sur_leur_champ_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<double>("ax");
        QTest::addColumn<double>("bx");
        QTest::addColumn<double>("by");
        QTest::newRow("monde") << -1 << 8.0 / 3 << 480.0 << 316.5;
        QTest::newRow("N.E.") << 0 << 4.4 << 88.0 << 396.0;
        QTest::newRow("N.O.") << 1 << 4.4 << 792.0 << 396.0;
        QTest::newRow("S.E.") << 2 << 4.4 << 88.0 << 0.0;
        QTest::newRow("S.O.") << 3 << 4.4 << 792.0 << 0.0;
    }
    void cellules_sur_leur_champ() {
        QFETCH(int, carte);
        QFETCH(double, ax);
        QFETCH(double, bx);
        QFETCH(double, by);
        const double ay = carte < 0 ? 633.0 / 180 : 4.4;
        const auto& cellules = Description(carte).Cellules;
        QCOMPARE(int(cellules.size()), Zone(carte).Nombre());
        for (const auto& c : cellules) {
            const double ouest = -180 + 20 * (c.Zone[0] - 'A'), sud = -90 + 10 * (c.Zone[1] - 'A');
            const double marge = std::min({c.Rect.Left / 15.0 - (ax * ouest + bx),
                                           ax * (ouest + 20) + bx - (c.Rect.Left + c.Rect.Width) / 15.0,
                                           c.Rect.Top / 15.0 - (by - ay * (sud + 10)),
                                           by - ay * sud - (c.Rect.Top + c.Rect.Height) / 15.0});
            QVERIFY2(marge >= 3 - 1e-6, c.Zone.c_str());
            const bool ab = carte < 0 && c.Zone == "AB";
            QCOMPARE(c.Rect.Height, carte < 0 ? (ab ? 225 : 255) : 375);
            const bool petite = (carte == 0 || carte == 2) && c.Index == 2;
            QCOMPARE(c.Pol.Points, carte < 0 ? 9.0 : petite ? 9.75 : 12.0);
        }
    }
};

QTEST_GUILESS_MAIN(Test_Champs_Monde)
#include "test_champs_monde.moc"
