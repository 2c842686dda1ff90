// The map pictures and the window icon as the program embeds them: file
// format and pixel size, and, for every cell of every map window, that the
// grid lines bounding the cell's area are drawn where the picture's
// degree-to-pixel mapping puts them, with the cell clear inside them.
#include "maps/common/Cartes.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <algorithm>

using namespace Sous_Programmes;

namespace {

// x = ax·lon + bx, y = by − ay·lat, each coefficient an exact fraction num/den.
struct Fraction {
    long long Num, Den;
};
struct Image_Carte {
    const char* Fichier;
    int Composantes; // 0: GIF89a; else baseline JPEG with 3 (colour) or 1 (grey) components
    int Largeur, Hauteur;
    Fraction Ax, Bx, Ay, By;
};

const Fraction Quart{22, 5}, Champ{32, 1};

// In the order of Description(): the world, the quarters NE, NO, SE, SO,
// Europe, the fields IM to KO.
// clang-format off
const Image_Carte Images[] = {
    {":/maps/monde.gif",    0, 960, 633, {8, 3}, {480, 1}, {633, 180}, {633, 2}},
    {":/maps/ne.jpg",       3, 880, 396, Quart, {88, 1}, Quart, {396, 1}},
    {":/maps/no.jpg",       3, 704, 397, Quart, {792, 1}, Quart, {396, 1}},
    {":/maps/se.jpg",       3, 880, 396, Quart, {88, 1}, Quart, {0, 1}},
    {":/maps/so.jpg",       3, 704, 396, Quart, {792, 1}, Quart, {0, 1}},
    {":/maps/europe.jpg",   3, 955, 508, {1538, 100}, {3276, 10}, {16, 1}, {976, 1}},
    {":/maps/champ_im.jpg", 1, 692, 377, Champ, {668, 1}, Champ, {1306, 1}},
    {":/maps/champ_in.jpg", 1, 688, 372, Champ, {668, 1}, Champ, {1626, 1}},
    {":/maps/champ_io.jpg", 1, 692, 377, Champ, {668, 1}, Champ, {1946, 1}},
    {":/maps/champ_jm.jpg", 1, 691, 375, Champ, {24, 1}, Champ, {1306, 1}},
    {":/maps/champ_jn.jpg", 1, 692, 372, Champ, {28, 1}, Champ, {1626, 1}},
    {":/maps/champ_jo.jpg", 1, 693, 371, Champ, {28, 1}, Champ, {1946, 1}},
    {":/maps/champ_km.jpg", 1, 702, 374, Champ, {-612, 1}, Champ, {1306, 1}},
    {":/maps/champ_kn.jpg", 1, 707, 380, Champ, {-611, 1}, Champ, {1626, 1}},
    {":/maps/champ_ko.jpg", 1, 701, 372, Champ, {-612, 1}, Champ, {1946, 1}},
};
// clang-format on

const Description_Carte& Description(int rang) {
    return rang == 0   ? Description_Carte_Monde()
           : rang <= 4 ? Description_Quart(rang - 1)
           : rang == 5 ? Description_Carte_Europe()
                       : Description_Carte_Champ(rang - 6);
}

// One axis of the mapping: v = b + signe·a·deg px over a picture taille px wide.
struct Axe {
    Fraction A, B;
    int Signe, Taille;
    double Valeur(int deg) const { return double(B.Num) / B.Den + Signe * double(A.Num) / A.Den * deg; }
    // The pixel column (or row) of the line at deg, computed exactly: ⌊v⌋, or
    // the last pixel when v is the picture's far edge; -1 when off the picture.
    int Pixel(int deg) const {
        const long long num = Signe * A.Num * deg * B.Den + B.Num * A.Den, den = A.Den * B.Den;
        const long long p = num / den - (num % den != 0 && num < 0);
        if (p == Taille && num % den == 0) return Taille - 1;
        return p >= 0 && p < Taille ? int(p) : -1;
    }
};

// The JPEG segments before the scan: the SOFn frame (n and component count)
// and the JFIF density (units, x, y), as {n, components, units, x, y}.
QList<int> Entete_Jpeg(const QByteArray& b) {
    QList<int> e{-1, 0, -1, 0, 0};
    auto octet = [&b](qsizetype i) { return i < b.size() ? int(uchar(b[i])) : 0; };
    auto mot = [&](qsizetype i) { return octet(i) << 8 | octet(i + 1); };
    for (qsizetype i = 2; i + 4 <= b.size() && octet(i) == 0xFF && octet(i + 1) != 0xDA;
         i += 2 + mot(i + 2)) {
        const int m = octet(i + 1);
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC)
            e[0] = m - 0xC0, e[1] = octet(i + 9);
        if (m == 0xE0 && b.mid(i + 4, 5) == QByteArray("JFIF\0", 5))
            e[2] = octet(i + 11), e[3] = mot(i + 12), e[4] = mot(i + 14);
    }
    return e;
}

} // namespace

class Test_Images_Cartes : public QObject {
    Q_OBJECT

private slots:
    void image_data();
    void image();
    void icone();
};

void Test_Images_Cartes::image_data() {
    QTest::addColumn<int>("rang");
    for (int i = 0; i < int(std::size(Images)); ++i) QTest::newRow(Description(i).Nom.c_str()) << i;
}

// The window loads the file named here, in the format and pixel size its
// picture box expects; field maps are one-channel grey at 72 dpi.
// Then, for every cell: the four lines bounding its area are drawn (dark
// pixels along them) and the cell lies inside its area with the map's margin.
// The Europe map holds its cells by their centres (they overhang their
// squares) and has light square lines.
void Test_Images_Cartes::image() {
    QFETCH(int, rang);
    const Image_Carte& c = Images[rang];
    const Description_Carte& d = Description(rang);
    QCOMPARE(QString::fromStdString(d.Image), QString::fromLatin1(c.Fichier));
    QFile f(QString::fromLatin1(c.Fichier));
    QVERIFY2(f.open(QIODevice::ReadOnly), c.Fichier);
    const QByteArray octets = f.readAll();
    const QImage image = QImage::fromData(octets);
    QCOMPARE(image.size(), QSize(c.Largeur, c.Hauteur));
    if (c.Composantes == 0) {
        QCOMPARE(octets.left(6), QByteArray("GIF89a"));
    } else {
        const QList<int> e = Entete_Jpeg(octets);
        QCOMPARE(e.mid(0, 2), (QList<int>{0, c.Composantes}));               // SOF0: baseline
        if (c.Composantes == 1) QCOMPARE(e.mid(2), (QList<int>{1, 72, 72})); // dots per inch
    }

    const bool europe = d.Sorte == Sorte_Cellule::Cel;
    const double marge_min = europe ? 7 : c.Composantes == 1 ? 6 : 3; // px
    const int seuil_ligne = europe ? 185 : 100; // a line pixel is darker than this grey level
    const Axe ax{c.Ax, c.Bx, 1, c.Largeur}, ay{c.Ay, c.By, -1, c.Hauteur};
    QCOMPARE(int(d.Cellules.size()), d.Dernier - d.Premier + 1);

    for (const Definition_Cellule& cel : d.Cellules) {
        const QString qui =
            QString::fromStdString(d.Nom + " cell " + std::to_string(cel.Index) + " (" + cel.Zone + "): ");
        // The area in whole degrees: "JN" is a field, "JN18" a square.
        const bool carre = cel.Zone.size() == 4;
        const int ouest = -180 + 20 * (cel.Zone[0] - 'A') + (carre ? 2 * (cel.Zone[2] - '0') : 0);
        const int sud = -90 + 10 * (cel.Zone[1] - 'A') + (carre ? cel.Zone[3] - '0' : 0);
        const int est = ouest + (carre ? 2 : 20), nord = sud + (carre ? 1 : 10);

        // West, east, north and south lines where the mapping places them,
        // dark over 90 % of their length between the crossing lines.
        const int bords[4] = {ax.Pixel(ouest), ax.Pixel(est), ay.Pixel(nord), ay.Pixel(sud)};
        QVERIFY2(*std::min_element(bords, bords + 4) >= 0,
                 qPrintable(qui + QStringLiteral("off the picture")));
        for (int k = 0; k < 4; ++k) {
            const bool colonne = k < 2;
            const int debut = bords[colonne ? 2 : 0] + 2, fin = bords[colonne ? 3 : 1] - 2;
            int sombres = 0;
            for (int i = debut; i <= fin; ++i)
                sombres += qGray(colonne ? image.pixel(bords[k], i) : image.pixel(i, bords[k])) < seuil_ligne;
            QVERIFY2(sombres >= 0.9 * (fin - debut + 1),
                     qPrintable(qui + QStringLiteral("line at %1 dark on %2 px").arg(bords[k]).arg(sombres)));
        }

        // The margin inside the area of a box centred on (cx, cy) px.
        const double tp = Twips_Par_Pixel, l = cel.Rect.Width / tp / 2, h = cel.Rect.Height / tp / 2;
        const double cx = cel.Rect.Left / tp + l, cy = cel.Rect.Top / tp + h;
        auto marge = [&](double demi_l, double demi_h) {
            return std::min({cx - demi_l - ax.Valeur(ouest), ax.Valeur(est) - cx - demi_l,
                             cy - demi_h - ay.Valeur(nord), ay.Valeur(sud) - cy - demi_h});
        };
        // The whole cell inside, or on the Europe map the centre rule: the
        // centre inside, and the two digits (a 15 × 9 px box) 2.5 px inside.
        const double manque =
            europe ? std::min(marge(0, 0) - marge_min, marge(7.5, 4.5) - 2.5) : marge(l, h) - marge_min;
        QVERIFY2(manque >= -1e-6, qPrintable(qui + QStringLiteral("%1 px short of the margin").arg(-manque)));
    }
}

// The icon every window carries: 32 × 32, a picture of 4 to 16 colours.
void Test_Images_Cartes::icone() {
    const QImage icone(QStringLiteral(":/icone/veltrix.png"));
    QCOMPARE(icone.size(), QSize(32, 32));
    QSet<QRgb> couleurs;
    for (int y = 0; y < icone.height(); ++y)
        for (int x = 0; x < icone.width(); ++x) couleurs.insert(icone.pixel(x, y));
    QVERIFY2(couleurs.size() >= 4 && couleurs.size() <= 16, qPrintable(QString::number(couleurs.size())));
}

QTEST_MAIN(Test_Images_Cartes)
#include "test_images_cartes.moc"
