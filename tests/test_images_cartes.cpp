// The map pictures and the window icon as the program embeds them: file
// format and pixel size, and, for every cell of every map window, that the
// grid lines bounding the cell's area are drawn where the picture's
// degree-to-pixel mapping puts them, with the cell clear inside them.
#include "maps/common/Cartes.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Sous_Programmes;

namespace {

enum class Format { Gif, Jpeg_Couleur, Jpeg_Gris };

// x = ax·lon + bx, y = by − ay·lat, each coefficient an exact fraction num/den.
struct Fraction {
    long long Num, Den;
    double Valeur() const { return double(Num) / double(Den); }
};
struct Transformation {
    Fraction Ax, Bx, Ay, By;
};

struct Image_Carte {
    const char* Fichier;
    Format F;
    int Largeur, Hauteur;
    Transformation T;
};

const Fraction Quart{22, 5}, Champ{32, 1};

// In the order of Description(): the world, the quarters NE, NO, SE, SO,
// Europe, the fields IM to KO.
// clang-format off
const Image_Carte Images[] = {
    {":/maps/monde.gif",    Format::Gif,          960, 633, {{8, 3}, {480, 1}, {633, 180}, {633, 2}}},
    {":/maps/ne.jpg",       Format::Jpeg_Couleur, 880, 396, {Quart, {88, 1}, Quart, {396, 1}}},
    {":/maps/no.jpg",       Format::Jpeg_Couleur, 704, 397, {Quart, {792, 1}, Quart, {396, 1}}},
    {":/maps/se.jpg",       Format::Jpeg_Couleur, 880, 396, {Quart, {88, 1}, Quart, {0, 1}}},
    {":/maps/so.jpg",       Format::Jpeg_Couleur, 704, 396, {Quart, {792, 1}, Quart, {0, 1}}},
    {":/maps/europe.jpg",   Format::Jpeg_Couleur, 955, 508, {{1538, 100}, {3276, 10}, {16, 1}, {976, 1}}},
    {":/maps/champ_im.jpg", Format::Jpeg_Gris,    692, 377, {Champ, {668, 1}, Champ, {1306, 1}}},
    {":/maps/champ_in.jpg", Format::Jpeg_Gris,    688, 372, {Champ, {668, 1}, Champ, {1626, 1}}},
    {":/maps/champ_io.jpg", Format::Jpeg_Gris,    692, 377, {Champ, {668, 1}, Champ, {1946, 1}}},
    {":/maps/champ_jm.jpg", Format::Jpeg_Gris,    691, 375, {Champ, {24, 1}, Champ, {1306, 1}}},
    {":/maps/champ_jn.jpg", Format::Jpeg_Gris,    692, 372, {Champ, {28, 1}, Champ, {1626, 1}}},
    {":/maps/champ_jo.jpg", Format::Jpeg_Gris,    693, 371, {Champ, {28, 1}, Champ, {1946, 1}}},
    {":/maps/champ_km.jpg", Format::Jpeg_Gris,    702, 374, {Champ, {-612, 1}, Champ, {1306, 1}}},
    {":/maps/champ_kn.jpg", Format::Jpeg_Gris,    707, 380, {Champ, {-611, 1}, Champ, {1626, 1}}},
    {":/maps/champ_ko.jpg", Format::Jpeg_Gris,    701, 372, {Champ, {-612, 1}, Champ, {1946, 1}}},
};
// clang-format on

const Description_Carte& Description(int rang) {
    if (rang == 0) return Description_Carte_Monde();
    if (rang <= 4) return Description_Quart(rang - 1);
    if (rang == 5) return Description_Carte_Europe();
    return Description_Carte_Champ(rang - 6);
}

// The pixel column (or row) of a line at v = a·deg + b (sign +1) or
// b − a·deg (sign −1), computed exactly: ⌊v⌋, or the last pixel when v is
// the picture's far edge. -1 when the line is off the picture.
int Pixel_Ligne(Fraction a, Fraction b, long long deg, int signe, int taille) {
    const long long num = signe * a.Num * deg * b.Den + b.Num * a.Den, den = a.Den * b.Den;
    long long p = num / den;
    if (num % den != 0 && num < 0) --p;
    if (p == taille && num % den == 0) return taille - 1;
    return p >= 0 && p < taille ? int(p) : -1;
}

// A locator area in whole degrees: "JN" is a field, "JN18" a square.
struct Zone_Degres {
    int Ouest, Est, Sud, Nord;
};
Zone_Degres Zone_De(const std::string& zone) {
    Zone_Degres z{-180 + 20 * (zone[0] - 'A'), 0, -90 + 10 * (zone[1] - 'A'), 0};
    if (zone.size() == 4) {
        z.Ouest += 2 * (zone[2] - '0');
        z.Sud += zone[3] - '0';
        z.Est = z.Ouest + 2;
        z.Nord = z.Sud + 1;
    } else {
        z.Est = z.Ouest + 20;
        z.Nord = z.Sud + 10;
    }
    return z;
}

// Fraction of the pixels of a column (or row) segment darker than seuil.
double Part_Sombre(const QImage& image, bool colonne, int fixe, int debut, int fin, int seuil) {
    int sombres = 0;
    for (int i = debut; i <= fin; ++i)
        if (qGray(colonne ? image.pixel(fixe, i) : image.pixel(i, fixe)) < seuil) ++sombres;
    return fin >= debut ? double(sombres) / (fin - debut + 1) : 0;
}

struct Entete_Jpeg {
    int Sof = -1; // n of the SOFn frame marker (0: baseline)
    int Composantes = 0;
    int Unites = -1; // JFIF APP0: 1 = dots per inch
    int Densite_X = 0, Densite_Y = 0;
};

Entete_Jpeg Lire_Entete_Jpeg(const QByteArray& b) {
    Entete_Jpeg e;
    auto octet = [&b](qsizetype i) { return i < b.size() ? int(uchar(b[i])) : 0; };
    if (octet(0) != 0xFF || octet(1) != 0xD8) return e;
    for (qsizetype i = 2; i + 4 <= b.size() && octet(i) == 0xFF;) {
        const int marqueur = octet(i + 1);
        if (marqueur == 0xDA || marqueur == 0xD9) break; // start of scan, end of image
        const int longueur = octet(i + 2) << 8 | octet(i + 3);
        const qsizetype s = i + 4; // segment data
        const bool sof =
            marqueur >= 0xC0 && marqueur <= 0xCF && marqueur != 0xC4 && marqueur != 0xC8 && marqueur != 0xCC;
        if (sof) {
            e.Sof = marqueur - 0xC0;
            e.Composantes = octet(s + 5);
        }
        if (marqueur == 0xE0 && b.mid(s, 5) == QByteArray("JFIF\0", 5)) {
            e.Unites = octet(s + 7);
            e.Densite_X = octet(s + 8) << 8 | octet(s + 9);
            e.Densite_Y = octet(s + 10) << 8 | octet(s + 11);
        }
        i += 2 + longueur;
    }
    return e;
}

} // namespace

class Test_Images_Cartes : public QObject {
    Q_OBJECT

private slots:
    void fichier_data();
    void fichier();
    void grille_data() { fichier_data(); }
    void grille();
    void icone();
};

void Test_Images_Cartes::fichier_data() {
    QTest::addColumn<int>("rang");
    for (int i = 0; i < int(std::size(Images)); ++i) QTest::newRow(Description(i).Nom.c_str()) << i;
}

// The window loads the file named here, in the format and pixel size its
// picture box expects; field maps are one-channel grey at 72 dpi.
void Test_Images_Cartes::fichier() {
    QFETCH(int, rang);
    const Image_Carte& c = Images[rang];
    QCOMPARE(QString::fromStdString(Description(rang).Image), QString::fromLatin1(c.Fichier));

    QFile f(QString::fromLatin1(c.Fichier));
    QVERIFY2(f.open(QIODevice::ReadOnly), c.Fichier);
    const QByteArray octets = f.readAll();
    QImageReader lecteur(QString::fromLatin1(c.Fichier));
    const QByteArray format = lecteur.format(); // by content, read before the picture
    const QImage image = lecteur.read();
    QVERIFY2(!image.isNull(), qPrintable(lecteur.errorString()));
    QCOMPARE(image.size(), QSize(c.Largeur, c.Hauteur));

    if (c.F == Format::Gif) {
        QCOMPARE(format, QByteArray("gif"));
        QCOMPARE(octets.left(6), QByteArray("GIF89a"));
        return;
    }
    QCOMPARE(format, QByteArray("jpeg"));
    const Entete_Jpeg e = Lire_Entete_Jpeg(octets);
    QCOMPARE(e.Sof, 0); // baseline
    if (c.F == Format::Jpeg_Couleur) {
        QCOMPARE(e.Composantes, 3);
        return;
    }
    QCOMPARE(e.Composantes, 1);
    QCOMPARE(image.format(), QImage::Format_Grayscale8);
    QCOMPARE(e.Unites, 1);
    QCOMPARE(e.Densite_X, 72);
    QCOMPARE(e.Densite_Y, 72);
}

// For every cell: the four lines bounding its area are drawn (dark pixels
// along them), the cell lies inside its area with the map's margin, and
// clear pixels separate it from those lines.
void Test_Images_Cartes::grille() {
    QFETCH(int, rang);
    const Image_Carte& c = Images[rang];
    const Description_Carte& d = Description(rang);
    // The rules of each kind of map: the Europe map holds its cells by their
    // centres (its cells overhang their squares) and has light square lines.
    const bool europe = d.Sorte == Sorte_Cellule::Cel;
    const bool champ = c.F == Format::Jpeg_Gris;
    const double marge_min = europe ? 7 : champ ? 6 : 3; // px
    const int pixels_libres = champ ? 4 : 3;
    const int seuil_ligne = europe ? 185 : 100; // a line pixel is darker than this grey level
    const QImage image(QString::fromLatin1(c.Fichier));
    QVERIFY(!image.isNull());
    QCOMPARE(int(d.Cellules.size()), d.Dernier - d.Premier + 1);
    const Transformation& t = c.T;
    const double tp = Twips_Par_Pixel;

    for (const Definition_Cellule& cel : d.Cellules) {
        const QString qui = QStringLiteral("%1 cell %2 (%3)")
                                .arg(QString::fromStdString(d.Nom))
                                .arg(cel.Index)
                                .arg(QString::fromStdString(cel.Zone));
        QVERIFY2(cel.Zone.size() == 2 || cel.Zone.size() == 4, qPrintable(qui));
        const Zone_Degres z = Zone_De(cel.Zone);

        // The area's lines, as the mapping places them.
        const int gauche = Pixel_Ligne(t.Ax, t.Bx, z.Ouest, 1, c.Largeur);
        const int droite = Pixel_Ligne(t.Ax, t.Bx, z.Est, 1, c.Largeur);
        const int haut = Pixel_Ligne(t.Ay, t.By, z.Nord, -1, c.Hauteur);
        const int bas = Pixel_Ligne(t.Ay, t.By, z.Sud, -1, c.Hauteur);
        QVERIFY2(gauche >= 0 && droite >= 0 && haut >= 0 && bas >= 0,
                 qPrintable(qui + QStringLiteral(": off the picture")));

        // A field map outlines its own field with a 3-px band.
        auto demi_bande = [&](int deg, bool lon) {
            if (!champ) return 0;
            const Zone_Degres f = Zone_De(cel.Zone.substr(0, 2)); // the map's field
            return (lon ? deg == f.Ouest || deg == f.Est : deg == f.Sud || deg == f.Nord) ? 1 : 0;
        };
        const int bg = demi_bande(z.Ouest, true), bd = demi_bande(z.Est, true);
        const int bh = demi_bande(z.Nord, false), bb = demi_bande(z.Sud, false);

        const struct {
            bool colonne;
            int ligne, debut, fin;
            const char* cote;
        } lignes[4] = {{true, gauche, haut + 2, bas - 2, "west"},
                       {true, droite, haut + 2, bas - 2, "east"},
                       {false, haut, gauche + 2, droite - 2, "north"},
                       {false, bas, gauche + 2, droite - 2, "south"}};
        for (const auto& l : lignes) {
            const double part = Part_Sombre(image, l.colonne, l.ligne, l.debut, l.fin, seuil_ligne);
            QVERIFY2(part >= 0.9, qPrintable(qui + QStringLiteral(": %1 line at %2 drawn on %3 of its length")
                                                       .arg(QLatin1String(l.cote))
                                                       .arg(l.ligne)
                                                       .arg(part)));
        }

        // The cell and its area's borders, in pixels, under the mapping.
        const double x0 = cel.Rect.Left / tp, x1 = (cel.Rect.Left + cel.Rect.Width) / tp;
        const double y0 = cel.Rect.Top / tp, y1 = (cel.Rect.Top + cel.Rect.Height) / tp;
        const double ouest = t.Ax.Valeur() * z.Ouest + t.Bx.Valeur(),
                     est = t.Ax.Valeur() * z.Est + t.Bx.Valeur();
        const double nord = t.By.Valeur() - t.Ay.Valeur() * z.Nord,
                     sud = t.By.Valeur() - t.Ay.Valeur() * z.Sud;
        auto marge = [&](double g, double h, double dr, double b) {
            return std::min({g - ouest, est - dr, h - nord, sud - b});
        };
        const double eps = 1e-6;
        if (!europe) {
            const double m = marge(x0, y0, x1, y1);
            QVERIFY2(m >= marge_min - eps, qPrintable(qui + QStringLiteral(": margin %1").arg(m)));
            // Clear pixels between the pixels the cell covers and the line pixels.
            const int libres =
                std::min({int(std::floor(x0)) - (gauche + bg) - 1, (droite - bd) - int(std::ceil(x1)),
                          int(std::floor(y0)) - (haut + bh) - 1, (bas - bb) - int(std::ceil(y1))});
            QVERIFY2(libres >= pixels_libres,
                     qPrintable(qui + QStringLiteral(": %1 clear pixels").arg(libres)));
        } else {
            // The centre rule: the centre well inside its area, and the two
            // digits (a 15 × 9 px box centred in the cell) inside too, with no
            // line pixel through them.
            const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
            const double m = marge(cx, cy, cx, cy);
            QVERIFY2(m >= marge_min - eps, qPrintable(qui + QStringLiteral(": centre margin %1").arg(m)));
            const double m_chiffres = marge(cx - 7.5, cy - 4.5, cx + 7.5, cy + 4.5);
            QVERIFY2(m_chiffres >= 2.5 - eps,
                     qPrintable(qui + QStringLiteral(": digits margin %1").arg(m_chiffres)));
            QVERIFY2(gauche + 1 <= cx - 7.5 && droite >= cx + 7.5 && haut + 1 <= cy - 4.5 && bas >= cy + 4.5,
                     qPrintable(qui + QStringLiteral(": a line crosses the digits")));
        }
    }
}

// The icon every window carries: 32 × 32, at most 16 colours.
void Test_Images_Cartes::icone() {
    const QImage icone(QStringLiteral(":/icone/veltrix.png"));
    QCOMPARE(icone.size(), QSize(32, 32));
    QSet<QRgb> couleurs;
    for (int y = 0; y < icone.height(); ++y)
        for (int x = 0; x < icone.width(); ++x) couleurs.insert(icone.pixel(x, y));
    QVERIFY2(couleurs.size() <= 16, qPrintable(QString::number(couleurs.size())));
    QVERIFY(couleurs.size() >= 4); // a picture, not a blank square
}

QTEST_MAIN(Test_Images_Cartes)
#include "test_images_cartes.moc"
