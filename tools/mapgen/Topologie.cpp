#include "tools/mapgen/Topologie.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <set>

namespace Mapgen {

namespace {

int Indice_Arc(int reference) {
    return reference < 0 ? ~reference : reference;
}

// Each arc is a list of [dx, dy] steps from the previous point, the first
// one from (0, 0).
bool Lire_Arcs(const QJsonArray& arcs, Topologie& topo) {
    topo.Arcs.reserve(static_cast<std::size_t>(arcs.size()));
    for (const QJsonValue& arc : arcs) {
        std::vector<Point_Quantifie> points;
        Point_Quantifie p;
        for (const QJsonValue& pas : arc.toArray()) {
            const QJsonArray d = pas.toArray();
            if (d.size() < 2) return false;
            p.X += d[0].toInt();
            p.Y += d[1].toInt();
            points.push_back(p);
        }
        if (points.size() < 2) return false;
        topo.Arcs.push_back(std::move(points));
    }
    return true;
}

Anneau_Arcs Lire_Anneau(const QJsonArray& a) {
    Anneau_Arcs anneau;
    for (const QJsonValue& v : a) anneau.push_back(v.toInt());
    return anneau;
}

// The polygons of one geometry (Polygon or MultiPolygon; others have none).
std::vector<Polygone_Arcs> Lire_Polygones(const QJsonObject& geometrie) {
    std::vector<Polygone_Arcs> polygones;
    const QString type = geometrie[QLatin1String("type")].toString();
    const QJsonArray arcs = geometrie[QLatin1String("arcs")].toArray();
    auto lire_polygone = [](const QJsonArray& anneaux) {
        Polygone_Arcs polygone;
        for (const QJsonValue& anneau : anneaux) polygone.push_back(Lire_Anneau(anneau.toArray()));
        return polygone;
    };
    if (type == QLatin1String("Polygon")) {
        polygones.push_back(lire_polygone(arcs));
    } else if (type == QLatin1String("MultiPolygon")) {
        for (const QJsonValue& p : arcs) polygones.push_back(lire_polygone(p.toArray()));
    }
    return polygones;
}

std::vector<QJsonObject> Geometries(const QJsonObject& objet) {
    std::vector<QJsonObject> geometries;
    if (objet[QLatin1String("type")].toString() == QLatin1String("GeometryCollection")) {
        for (const QJsonValue& g : objet[QLatin1String("geometries")].toArray())
            geometries.push_back(g.toObject());
    } else {
        geometries.push_back(objet);
    }
    return geometries;
}

bool References_Valides(const std::vector<Polygone_Arcs>& polygones, std::size_t nb_arcs) {
    for (const auto& polygone : polygones)
        for (const auto& anneau : polygone)
            for (int r : anneau)
                if (static_cast<std::size_t>(Indice_Arc(r)) >= nb_arcs) return false;
    return true;
}

} // namespace

bool Topologie::Sur_Coupure(Point_Quantifie a, Point_Quantifie b) const {
    const auto x_est = static_cast<std::int32_t>(std::lround((180.0 - Translation_X) / Echelle_X));
    auto sur_meridien = [x_est](Point_Quantifie p) { return p.X == 0 || p.X == x_est; };
    // Along the meridian, or a chord from one side of it to the other.
    const bool meridien = sur_meridien(a) && sur_meridien(b);
    const bool limite_sud = a.Y == 0 && b.Y == 0; // the data's southern limit is its translate
    return meridien || limite_sud;
}

std::vector<Point_Quantifie> Topologie::Points_Anneau(const Anneau_Arcs& anneau) const {
    std::vector<Point_Quantifie> points;
    for (int reference : anneau) {
        const auto& arc = Arcs[static_cast<std::size_t>(Indice_Arc(reference))];
        const bool debut = points.empty();
        if (reference >= 0) {
            points.insert(points.end(), arc.begin() + (debut ? 0 : 1), arc.end());
        } else {
            points.insert(points.end(), arc.rbegin() + (debut ? 0 : 1), arc.rend());
        }
    }
    return points;
}

bool Lire_Topologie(const QString& fichier, Topologie& topo, QString& erreur) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) {
        erreur = QStringLiteral("cannot read %1: %2").arg(fichier, f.errorString());
        return false;
    }
    QJsonParseError e;
    const QJsonObject racine = QJsonDocument::fromJson(f.readAll(), &e).object();
    if (e.error != QJsonParseError::NoError) {
        erreur = QStringLiteral("%1: %2").arg(fichier, e.errorString());
        return false;
    }
    const QJsonObject transform = racine[QLatin1String("transform")].toObject();
    const QJsonArray echelle = transform[QLatin1String("scale")].toArray();
    const QJsonArray translation = transform[QLatin1String("translate")].toArray();
    const QJsonObject objets = racine[QLatin1String("objects")].toObject();
    if (echelle.size() != 2 || translation.size() != 2 || !objets.contains(QLatin1String("land")) ||
        !objets.contains(QLatin1String("countries"))) {
        erreur = QStringLiteral("%1: not a quantized topology of countries and land").arg(fichier);
        return false;
    }
    topo = Topologie{};
    topo.Echelle_X = echelle[0].toDouble();
    topo.Echelle_Y = echelle[1].toDouble();
    topo.Translation_X = translation[0].toDouble();
    topo.Translation_Y = translation[1].toDouble();
    if (!Lire_Arcs(racine[QLatin1String("arcs")].toArray(), topo)) {
        erreur = QStringLiteral("%1: malformed arc").arg(fichier);
        return false;
    }

    for (const QJsonObject& g : Geometries(objets[QLatin1String("land")].toObject())) {
        auto polygones = Lire_Polygones(g);
        topo.Terre.insert(topo.Terre.end(), polygones.begin(), polygones.end());
    }

    const QString arc_absent = QStringLiteral("%1: reference to a missing arc").arg(fichier);
    if (!References_Valides(topo.Terre, topo.Arcs.size())) {
        erreur = arc_absent;
        return false;
    }

    // Which countries use each arc: an arc of two different ones is a border.
    std::vector<std::set<int>> pays_de_l_arc(topo.Arcs.size());
    int pays = 0;
    for (const QJsonObject& g : Geometries(objets[QLatin1String("countries")].toObject())) {
        const auto polygones = Lire_Polygones(g);
        if (!References_Valides(polygones, topo.Arcs.size())) {
            erreur = arc_absent;
            return false;
        }
        for (const auto& polygone : polygones)
            for (const auto& anneau : polygone)
                for (int r : anneau) pays_de_l_arc[static_cast<std::size_t>(Indice_Arc(r))].insert(pays);
        ++pays;
    }
    std::set<int> cote;
    for (const auto& polygone : topo.Terre)
        for (const auto& anneau : polygone)
            for (int r : anneau) cote.insert(Indice_Arc(r));
    topo.Arcs_Cote.assign(cote.begin(), cote.end());
    for (std::size_t i = 0; i < pays_de_l_arc.size(); ++i)
        if (pays_de_l_arc[i].size() >= 2) topo.Arcs_Frontiere.push_back(static_cast<int>(i));
    return true;
}

} // namespace Mapgen
