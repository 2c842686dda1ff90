// Fields on the world and quarter maps, without windows: cell numbering both
// ways, and the cells' sizes and fonts. Where each cell stands over its
// picture is checked with the pictures.
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"

#include <QTest>

using namespace Sous_Programmes;

namespace {
// -1 stands for the world map, 0..3 for the quarters N.E., N.O., S.E., S.O.
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
    // Rows north to south, west to east in a row; 0: no cell.
    void numerotation_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<int>("k");
        const struct {
            int carte;
            const char* champ;
            int k;
        } lignes[] = {{-1, "AR", 1}, {-1, "RR", 18}, {-1, "AQ", 19}, {-1, "QJ", 161}, {-1, "RA", 324},
                      {0, "IR", 1},  {0, "IQ", 11},  {0, "RJ", 90},  {1, "HR", 8},    {1, "BJ", 66},
                      {2, "II", 1},  {2, "QA", 89},  {3, "HA", 72},  {-1, "SA", 0},   {-1, "jn", 0},
                      {-1, "J", 0},  {-1, "JNX", 0}, {2, "JN", 0},   {0, "QA", 0},    {1, "IR", 0}};
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

    // One cell per field, at the left of its column and the top of its row;
    // AB is the one shorter world cell, Text1(2) of the east quarters the one
    // smaller font.
    void places_tailles_et_polices() {
        const int x_monde[] = {240,  960,  1800, 2640, 3480,  4200,  5040,  5760,  6600,
                               7440, 8160, 9000, 9840, 10560, 11400, 12240, 13080, 13800};
        const int y_monde[] = {120,  720,  1200, 1680, 2280, 2760, 3240, 3840, 4320,
                               4800, 5400, 5880, 6480, 6960, 7560, 8040, 8520, 9120};
        const int x_quarts[] = {480, 1800, 3000, 4320, 5640, 6960, 8280, 9600, 10920, 12240};
        const int y_quarts[] = {240, 840, 1440, 2160, 2760, 3480, 4080, 4800, 5400};
        for (int carte = -1; carte < 4; ++carte) {
            const auto& cellules = Description(carte).Cellules;
            QCOMPARE(int(cellules.size()), Zone(carte).Nombre());
            const int colonnes = Zone(carte).Colonnes;
            for (const auto& c : cellules) {
                const int colonne = (c.Index - 1) % colonnes, rangee = (c.Index - 1) / colonnes;
                QCOMPARE(c.Rect.Left, carte < 0 ? x_monde[colonne] : x_quarts[colonne]);
                QCOMPARE(c.Rect.Top, carte < 0 ? y_monde[rangee] : y_quarts[rangee]);
                const bool ab = carte < 0 && c.Zone == "AB";
                QCOMPARE(c.Rect.Width, carte < 0 ? 375 : 495);
                QCOMPARE(c.Rect.Height, carte < 0 ? (ab ? 225 : 255) : 375);
                QVERIFY(!c.Pol.Gras);
                const bool petite = (carte == 0 || carte == 2) && c.Index == 2;
                QCOMPARE(c.Pol.Points, carte < 0 ? 9.0 : petite ? 9.75 : 12.0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(Test_Champs_Monde)
#include "test_champs_monde.moc"
