// veltrix-mapgen: draws the map pictures and the window icon from Natural
// Earth's countries (TopoJSON of world-atlas). Run by regenerate.sh; its
// output is committed under resources/.
#include "tools/mapgen/Dessin.h"
#include "tools/mapgen/Images.h"
#include "tools/mapgen/Topologie.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSet>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

[[noreturn]] void Echec(const QString& message) {
    std::fprintf(stderr, "veltrix-mapgen: %s\n", qPrintable(message));
    std::exit(1);
}

// The field outline of a field map: 640 × 320 px, its top-left corner within
// 4 px of (25, 26), which is where the window's cells expect their field.
void Verifier_Contour(const Mapgen::Definition_Image& d) {
    const auto g = d.P.Colonne(d.Champ_Ouest, d.Largeur), dr = d.P.Colonne(d.Champ_Ouest + 20, d.Largeur);
    const auto h = d.P.Rangee(d.Champ_Sud + 10, d.Hauteur), b = d.P.Rangee(d.Champ_Sud, d.Hauteur);
    if (!g || !dr || !h || !b || *dr - *g != 640 || *b - *h != 320 || std::abs(*g - 25) > 4 ||
        std::abs(*h - 26) > 4)
        Echec(QStringLiteral("%1: field outline off its place").arg(QString::fromStdString(d.Fichier)));
}

// The world map becomes a GIF: its colours must fit one 256-entry palette,
// so that the conversion keeps every pixel exactly.
void Verifier_Palette(const QImage& image) {
    QSet<QRgb> couleurs;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) couleurs.insert(image.pixel(x, y));
    if (couleurs.size() > 256) Echec(QStringLiteral("world map: %1 colours, over 256").arg(couleurs.size()));
}

void Ecrire(const QImage& image, const QString& chemin) {
    QImageWriter w(chemin);
    if (chemin.endsWith(QLatin1String(".jpg"))) {
        w.setFormat("jpeg");
        w.setQuality(92);
    }
    if (!w.write(image)) Echec(QStringLiteral("cannot write %1: %2").arg(chemin, w.errorString()));
    std::printf("%s\n", qPrintable(chemin));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // text needs the font database

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Draws the Veltrix map pictures and window icon."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("donnees"), QStringLiteral("folder of countries-*.json"));
    options.addPositionalArgument(QStringLiteral("cartes"), QStringLiteral("folder for the JPEG maps"));
    options.addPositionalArgument(QStringLiteral("icone"), QStringLiteral("icon PNG to write"));
    options.addPositionalArgument(QStringLiteral("travail"), QStringLiteral("folder for monde.png"));
    options.process(app);
    const QStringList args = options.positionalArguments();
    if (args.size() != 4) options.showHelp(2);
    const QDir donnees(args[0]), cartes(args[1]), travail(args[3]);

    std::map<std::string, Mapgen::Topologie> topologies;
    auto topologie = [&](const std::string& resolution) -> const Mapgen::Topologie& {
        auto it = topologies.find(resolution);
        if (it != topologies.end()) return it->second;
        Mapgen::Topologie topo;
        QString erreur;
        const QString fichier = QStringLiteral("countries-%1.json").arg(QString::fromStdString(resolution));
        if (!Mapgen::Lire_Topologie(donnees.filePath(fichier), topo, erreur)) Echec(erreur);
        return topologies.emplace(resolution, std::move(topo)).first->second;
    };

    for (const Mapgen::Definition_Image& d : Mapgen::Images()) {
        if (d.G == Mapgen::Genre::Champ) Verifier_Contour(d);
        const QImage image = Mapgen::Dessiner(d, topologie(d.Resolution));
        if (d.G == Mapgen::Genre::Monde) Verifier_Palette(image);
        const QDir& dossier = d.G == Mapgen::Genre::Monde ? travail : cartes;
        Ecrire(image, dossier.filePath(QString::fromStdString(d.Fichier)));
    }
    Ecrire(Mapgen::Dessiner_Icone(topologie("110m")), args[2]);
    return 0;
}
