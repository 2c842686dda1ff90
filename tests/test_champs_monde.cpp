// Fields on the world and quarter maps, without windows: cell numbering,
// cell placement over the pictures, and the marking runs on cell grids.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"
#include "tests/support/Plateforme_Test.h"

#include <QTest>
#include <algorithm>
#include <set>

using namespace Sous_Programmes;

namespace {

// A record line with the locator and the 7-character band at their columns.
std::string Ligne(std::string locator, std::string_view bande) {
    locator.resize(6, ' ');
    return locator + "  " + std::string(bande) + "   14  227  F1ABC            01/02/2023";
}

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
    void init() { Vider_Tab_Qso(); }

    void numerotation_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<int>("k");
        const struct {
            int carte;
            const char* champ;
            int k;
        } lignes[] = {{-1, "AR", 1},   {-1, "BR", 2},   {-1, "RR", 18},  {-1, "AQ", 19},  {-1, "AB", 289},
                      {-1, "AA", 307}, {-1, "RA", 324}, {-1, "QA", 323}, {-1, "QJ", 161}, {-1, "PQ", 34},
                      {-1, "OP", 51},  {0, "IR", 1},    {0, "RR", 10},   {0, "IQ", 11},   {0, "RJ", 90},
                      {0, "QJ", 89},   {1, "AR", 1},    {1, "HR", 8},    {1, "BJ", 66},   {1, "HJ", 72},
                      {2, "II", 1},    {2, "QA", 89},   {2, "RA", 90},   {3, "AI", 1},    {3, "HA", 72}};
        for (const auto& l : lignes)
            QTest::addRow("%d %s", l.carte, l.champ) << l.carte << QString::fromLatin1(l.champ) << l.k;
    }
    void numerotation() {
        QFETCH(int, carte);
        QFETCH(QString, champ);
        QFETCH(int, k);
        QCOMPARE(Cellule_Champ(Zone(carte), champ.toStdString()), k);
        QCOMPARE(QString::fromStdString(Champ_Cellule(Zone(carte), k)), champ);
        const auto& cellule = Description(carte).Cellules.at(std::size_t(k - 1));
        QCOMPARE(cellule.Index, k);
        QCOMPARE(QString::fromStdString(cellule.Zone), champ);
        QCOMPARE(QString::fromStdString(cellule.Libelle), champ);
    }

    // Every field has one world cell and exactly one quarter cell, and the
    // numbering reads back both ways on every map.
    void chaque_champ_une_cellule() {
        std::set<std::pair<int, int>> vus;
        for (char x = 'A'; x <= 'R'; ++x)
            for (char y = 'A'; y <= 'R'; ++y) {
                const std::string champ{x, y};
                int quarts = 0;
                for (int q = 0; q < 4; ++q)
                    if (const int k = Cellule_Champ(Zones_Quarts[q], champ)) {
                        ++quarts;
                        QVERIFY(vus.insert({q, k}).second);
                    }
                QCOMPARE(quarts, 1);
                QCOMPARE(Champ_Cellule(Zone_Monde, Cellule_Champ(Zone_Monde, champ)), champ);
            }
        QCOMPARE(vus.size(), std::size_t(324));
        QCOMPARE(Champ_Cellule(Zone_Monde, 0), std::string());
        QCOMPARE(Champ_Cellule(Zones_Quarts[1], 73), std::string());
    }

    void sans_cellule_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<QString>("champ");
        for (const char* c : {"SA", "AS", "J1", "1J", "jn", "Jn", "  ", "J ", "", "J", "JNX", "@A", "A@"})
            QTest::addRow("monde '%s'", c) << -1 << QString::fromLatin1(c);
        QTest::newRow("JN hors S.E.") << 2 << QStringLiteral("JN");
        QTest::newRow("QA hors N.E.") << 0 << QStringLiteral("QA");
        QTest::newRow("IR hors N.O.") << 1 << QStringLiteral("IR");
        QTest::newRow("HJ hors S.O.") << 3 << QStringLiteral("HJ");
    }
    void sans_cellule() {
        QFETCH(int, carte);
        QFETCH(QString, champ);
        QCOMPARE(Cellule_Champ(Zone(carte), champ.toStdString()), 0);
    }

    void positions_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<int>("k");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<double>("points");
        QTest::newRow("monde AR") << -1 << 1 << QRect(240, 120, 375, 255) << 9.0;
        QTest::newRow("monde RR") << -1 << 18 << QRect(13800, 120, 375, 255) << 9.0;
        QTest::newRow("monde AA") << -1 << 307 << QRect(240, 9120, 375, 255) << 9.0;
        QTest::newRow("monde RA") << -1 << 324 << QRect(13800, 9120, 375, 255) << 9.0;
        QTest::newRow("monde QA") << -1 << 323 << QRect(13080, 9120, 375, 255) << 9.0;
        QTest::newRow("monde QJ") << -1 << 161 << QRect(13080, 4320, 375, 255) << 9.0;
        QTest::newRow("monde PQ") << -1 << 34 << QRect(12240, 720, 375, 255) << 9.0;
        QTest::newRow("monde OP") << -1 << 51 << QRect(11400, 1200, 375, 255) << 9.0;
        QTest::newRow("monde AB") << -1 << 289 << QRect(240, 8520, 375, 225) << 9.0;
        QTest::newRow("NE 1") << 0 << 1 << QRect(480, 240, 495, 375) << 12.0;
        QTest::newRow("NE 2") << 0 << 2 << QRect(1800, 240, 495, 375) << 9.75;
        QTest::newRow("NE 90") << 0 << 90 << QRect(12240, 5400, 495, 375) << 12.0;
        QTest::newRow("NO 2") << 1 << 2 << QRect(1800, 240, 495, 375) << 12.0;
        QTest::newRow("NO 66") << 1 << 66 << QRect(1800, 5400, 495, 375) << 12.0;
        QTest::newRow("SE 2") << 2 << 2 << QRect(1800, 240, 495, 375) << 9.75;
        QTest::newRow("SE 89") << 2 << 89 << QRect(10920, 5400, 495, 375) << 12.0;
        QTest::newRow("SO 2") << 3 << 2 << QRect(1800, 240, 495, 375) << 12.0;
        QTest::newRow("SO 72") << 3 << 72 << QRect(9600, 5400, 495, 375) << 12.0;
    }
    void positions() {
        QFETCH(int, carte);
        QFETCH(int, k);
        QFETCH(QRect, rect);
        QFETCH(double, points);
        const auto& c = Description(carte).Cellules.at(std::size_t(k - 1));
        QCOMPARE(QRect(c.Rect.Left, c.Rect.Top, c.Rect.Width, c.Rect.Height), rect);
        QCOMPARE(c.Pol.Points, points);
        QCOMPARE(c.Pol.Gras, false);
    }

    // Each cell must stand inside the field it names on the picture under it,
    // 3 px clear of the field's lines (plate carree: x = ax*lon + bx,
    // y = by - ay*lat, 15 twips a pixel).
    void cellules_sur_leur_champ_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<double>("ax");
        QTest::addColumn<double>("bx");
        QTest::addColumn<double>("ay");
        QTest::addColumn<double>("by");
        QTest::newRow("monde") << -1 << 8.0 / 3 << 480.0 << 633.0 / 180 << 316.5;
        QTest::newRow("N.E.") << 0 << 4.4 << 88.0 << 4.4 << 396.0;
        QTest::newRow("N.O.") << 1 << 4.4 << 792.0 << 4.4 << 396.0;
        QTest::newRow("S.E.") << 2 << 4.4 << 88.0 << 4.4 << 0.0;
        QTest::newRow("S.O.") << 3 << 4.4 << 792.0 << 4.4 << 0.0;
    }
    void cellules_sur_leur_champ() {
        QFETCH(int, carte);
        QFETCH(double, ax);
        QFETCH(double, bx);
        QFETCH(double, ay);
        QFETCH(double, by);
        const auto& d = Description(carte);
        QCOMPARE(int(d.Cellules.size()), Zone(carte).Nombre());
        for (const auto& c : d.Cellules) {
            const double ouest = -180 + 20 * (c.Zone[0] - 'A');
            const double sud = -90 + 10 * (c.Zone[1] - 'A');
            const double gauche = c.Rect.Left / 15.0, droite = (c.Rect.Left + c.Rect.Width) / 15.0;
            const double haut = c.Rect.Top / 15.0, bas = (c.Rect.Top + c.Rect.Height) / 15.0;
            const double marge = std::min({gauche - (ax * ouest + bx), (ax * (ouest + 20) + bx) - droite,
                                           haut - (by - ay * (sud + 10)), (by - ay * sud) - bas});
            if (marge < 3 - 1e-6)
                QFAIL(qPrintable(
                    QStringLiteral("%1 margin %2").arg(QString::fromStdString(c.Zone)).arg(marge)));
        }
    }

    void numero_quart_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("quart");
        QTest::newRow("N.E.") << QStringLiteral("1/4 N.E.monde") << 0;
        QTest::newRow("N.O.") << QStringLiteral("1/4 N.O.monde") << 1;
        QTest::newRow("S.E.") << QStringLiteral("1/4 S.E.monde") << 2;
        QTest::newRow("S.O.") << QStringLiteral("1/4 S.O.monde") << 3;
        QTest::newRow("casse") << QStringLiteral("1/4 n.e.monde") << -1;
        QTest::newRow("Monde") << QStringLiteral("1/4 S.O.Monde") << -1;
        QTest::newRow("blanc final") << QStringLiteral("1/4 N.E.monde ") << -1;
        QTest::newRow("blanc initial") << QStringLiteral(" 1/4 N.E.monde") << -1;
        QTest::newRow("vide") << QString() << -1;
    }
    void numero_quart() {
        QFETCH(QString, texte);
        QFETCH(int, quart);
        QCOMPARE(Numero_Quart(texte.toStdString()), quart);
    }

    void bandeaux() {
        const auto& monde = Description_Carte_Monde();
        QCOMPARE(QString::fromStdString(monde.Titre), QStringLiteral("Carte Monde"));
        QVERIFY(monde.Avec_Afficher);
        QCOMPARE(Grille_Design(monde).Bande(), std::string("toutes"));
        QCOMPARE(Grille_Design(monde).Compte(), std::string());
        const char* titres[] = {"Carte Nord-Est Monde", "Carte Nord-Ouest Monde", "Carte Sud-Est Monde",
                                "Carte Sud-Ouest Monde"};
        for (int q = 0; q < 4; ++q) {
            const auto& d = Description_Quart(q);
            QCOMPARE(QString::fromStdString(d.Titre), QString::fromLatin1(titres[q]));
            QVERIFY(!d.Avec_Afficher);
            QCOMPARE(Grille_Design(d).Bande(), std::string());
            QCOMPARE(d.Dernier, Zones_Quarts[q].Nombre());
        }
        for (int carte = -1; carte < 4; ++carte)
            for (const auto& l : Description(carte).Libelles)
                if (l.Nom == "Label2")
                    QCOMPARE(QString::fromStdString(l.Texte),
                             QStringLiteral("grand(s) carré(s) contacté(s) bande "));
    }

    // Band, records (locator:band), marked fields, count.
    void marquage_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QStringList>("qsos");
        QTest::addColumn<QStringList>("champs");
        const QString b14 = QStringLiteral("14 Mhz "), b7 = QStringLiteral("7.0 Mhz");
        auto l = [](std::initializer_list<const char*> v) {
            QStringList s;
            for (auto x : v) s << QString::fromLatin1(x);
            return s;
        };
        QTest::newRow("JN JN IO") << -1 << QStringLiteral("Toutes")
                                  << l({"JN18AA:14 Mhz ", "JN33:7.0 Mhz", "IO91:144 Mhz"}) << l({"JN", "IO"});
        QTest::newRow("toutes en minuscules")
            << -1 << QStringLiteral("toutes") << l({"JN18:14 Mhz "}) << l({});
        QTest::newRow("14 Mhz sans blanc") << -1 << QStringLiteral("14 Mhz") << l({"JN18:14 Mhz "}) << l({});
        QTest::newRow("une bande") << -1 << b14 << l({"JN18:14 Mhz ", "IO91:7.0 Mhz", "QA:14 Mhz "})
                                   << l({"QA", "JN"});
        QTest::newRow("sans locator, bande") << -1 << b7 << l({":7.0 Mhz"}) << l({});
        QTest::newRow("sans locator, Toutes")
            << -1 << QStringLiteral("Toutes") << l({":7.0 Mhz", "QJ:7.0 Mhz"}) << l({"QJ"});
        QTest::newRow("hors A..R") << -1 << QStringLiteral("Toutes")
                                   << l({"SA00:14 Mhz ", "J1:14 Mhz ", "jn:14 Mhz "}) << l({});
        QTest::newRow("QA sur S.E.") << 2 << QStringLiteral("Toutes") << l({"QA12:10 Ghz ", "JN18:14 Mhz "})
                                     << l({"QA"});
        QTest::newRow("QJ sur N.E.") << 0 << b7 << l({"QJ:7.0 Mhz", "QA:7.0 Mhz"}) << l({"QJ"});
        QTest::newRow("QJ absent de S.E.") << 2 << b7 << l({"QJ:7.0 Mhz"}) << l({});
        QTest::newRow("BJ sur N.O.") << 1 << QStringLiteral("Toutes")
                                     << l({"BJ:50 Mhz ", "BJ:50 Mhz ", "BJ:1.8 Mhz"}) << l({"BJ"});
        QTest::newRow("S.O., autre bande") << 3 << b14 << l({"HA:7.0 Mhz", "AI:14 Mhz "}) << l({"AI"});
        QTest::newRow("aucun QSO") << 1 << b7 << l({}) << l({});
    }
    void marquage() {
        QFETCH(int, carte);
        QFETCH(QString, bande);
        QFETCH(QStringList, qsos);
        QFETCH(QStringList, champs);
        std::vector<std::string> lignes;
        for (const auto& q : qsos) {
            const auto parties = q.split(QLatin1Char(':'));
            lignes.push_back(Ligne(parties[0].toStdString(), parties[1].toStdString()));
        }
        Ranger_Dans_Tab_Qso(std::move(lignes));

        Grille_Cellules grille = Grille_Design(Description(carte));
        if (carte < 0)
            Marque_Carte_Monde(grille, bande.toStdString());
        else
            Marque_Quart_Monde(grille, carte, bande.toStdString());

        std::vector<int> attendues;
        for (const auto& c : champs) attendues.push_back(Cellule_Champ(Zone(carte), c.toStdString()));
        std::sort(attendues.begin(), attendues.end());
        QCOMPARE(grille.Cellules_Marquees(), attendues);
        QCOMPARE(QString::fromStdString(grille.Compte()), QString::number(champs.size()));
        QCOMPARE(QString::fromStdString(grille.Bande()), bande);
    }

    // A second run shows only its own band's fields; lines above the end of
    // the table are never read.
    void nouveau_trace_remplace() {
        Ranger_Dans_Tab_Qso({Ligne("JN18", "14 Mhz "), Ligne("IO91", "7.0 Mhz"), Ligne("AA", "7.0 Mhz")});
        Grille_Cellules monde = Grille_Design(Description_Carte_Monde());
        Marque_Carte_Monde(monde, "Toutes");
        QCOMPARE(monde.Compte(), std::string("3"));
        Marque_Carte_Monde(monde, "14 Mhz ");
        QCOMPARE(monde.Cellules_Marquees(), std::vector<int>{Cellule_Champ(Zone_Monde, "JN")});
        QCOMPARE(monde.Compte(), std::string("1"));

        Nb_Qso = 2; // a shorter import left IO91 and AA behind
        Marque_Carte_Monde(monde, "Toutes");
        QCOMPARE(monde.Cellules_Marquees(), std::vector<int>{Cellule_Champ(Zone_Monde, "JN")});
        Nb_Qso = 0;
        Marque_Carte_Monde(monde, "Toutes");
        QCOMPARE(monde.Compte(), std::string("0"));
    }

    // Every field of the world marked: each quarter counts its own cells only.
    void quart_plein() {
        std::vector<std::string> lignes;
        for (int k = 1; k <= 324; ++k) lignes.push_back(Ligne(Champ_Cellule(Zone_Monde, k), "28 Mhz "));
        Ranger_Dans_Tab_Qso(std::move(lignes));
        for (int q = 0; q < 4; ++q) {
            Grille_Cellules grille = Grille_Design(Description_Quart(q));
            Marque_Quart_Monde(grille, q, "28 Mhz ");
            QCOMPARE(QString::fromStdString(grille.Compte()), QString::number(Zones_Quarts[q].Nombre()));
        }
        Grille_Cellules monde = Grille_Design(Description_Carte_Monde());
        Marque_Carte_Monde(monde, "Toutes");
        QCOMPARE(monde.Compte(), std::string("324"));
    }
};

QTEST_GUILESS_MAIN(Test_Champs_Monde)
#include "test_champs_monde.moc"
