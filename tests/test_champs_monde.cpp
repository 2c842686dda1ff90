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

    // One cell per field; AB is the one shorter world cell, Text1(2) of the
    // east quarters the one smaller font.
    void tailles_et_polices() {
        for (int carte = -1; carte < 4; ++carte) {
            const auto& cellules = Description(carte).Cellules;
            QCOMPARE(int(cellules.size()), Zone(carte).Nombre());
            for (const auto& c : cellules) {
                const bool ab = carte < 0 && c.Zone == "AB";
                QCOMPARE(c.Rect.Height, carte < 0 ? (ab ? 225 : 255) : 375);
                const bool petite = (carte == 0 || carte == 2) && c.Index == 2;
                QCOMPARE(c.Pol.Points, carte < 0 ? 9.0 : petite ? 9.75 : 12.0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(Test_Champs_Monde)
#include "test_champs_monde.moc"
