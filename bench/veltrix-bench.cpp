// veltrix-bench: imports a log, computes the main window's 18 totals and runs
// the map stages through the same procedures the windows use, with no
// display, and prints the results and timings as one JSON document.
//
//   veltrix-bench FILE.adi [--lines]

#include "bench/Etapes_Cartes.h"
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/Totaux.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Veltrix_Bench {

std::string Json_Texte(std::string_view s) {
    // Bytes are read as Latin-1: anything outside printable ASCII is escaped,
    // so any log gives valid JSON whatever its character set.
    static constexpr char Hex[] = "0123456789abcdef";
    std::string j;
    j.reserve(s.size() + 2);
    j += '"';
    for (char c : s) {
        const auto o = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            j += '\\';
            j += c;
        } else if (o < 0x20 || o >= 0x80) {
            j += "\\u00";
            j += Hex[o >> 4];
            j += Hex[o & 0xF];
        } else {
            j += c;
        }
    }
    j += '"';
    return j;
}

namespace {

using Horloge = std::chrono::steady_clock;

double Ms_Depuis(Horloge::time_point debut) {
    return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
}

// The whole file in one buffer, left uninitialised before the read.
struct Contenu {
    std::unique_ptr<char[]> Octets;
    std::size_t Taille = 0;
    std::string_view Vue() const { return {Octets.get(), Taille}; }
};

std::optional<Contenu> Lire_Fichier(const char* chemin) {
    FILE* f = std::fopen(chemin, "rb");
    if (!f) return std::nullopt;
    Contenu c;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long taille = std::ftell(f);
        if (taille > 0 && std::fseek(f, 0, SEEK_SET) == 0) {
            c.Octets = std::make_unique_for_overwrite<char[]>(std::size_t(taille));
            c.Taille = std::fread(c.Octets.get(), 1, std::size_t(taille), f);
        }
    }
    const bool erreur = std::ferror(f) != 0;
    std::fclose(f);
    if (erreur) return std::nullopt;
    return c;
}

std::string Nombre(double ms) {
    char t[32];
    std::snprintf(t, sizeof t, "%.3f", ms);
    return t;
}

} // namespace

} // namespace Veltrix_Bench

int main(int argc, char** argv) {
    using namespace Veltrix_Bench;
    using namespace Sous_Programmes;
    std::vector<const char*> fichiers;
    bool lignes = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lines") == 0)
            lignes = true;
        else
            fichiers.push_back(argv[i]);
    }
    if (fichiers.size() != 1) {
        std::fputs("usage: veltrix-bench FILE.adi [--lines]\n", stderr);
        return 2;
    }
    const char* chemin = fichiers.front();

    // The yardstick: one plain pass over the file, counting "<".
    auto debut = Horloge::now();
    std::size_t chevrons = 0;
    {
        const auto c = Lire_Fichier(chemin);
        if (!c) {
            std::fprintf(stderr, "veltrix-bench: cannot read %s\n", chemin);
            return 1;
        }
        const char* p = c->Octets.get();
        const char* fin = p + c->Taille;
        while (p < fin) {
            const void* q = std::memchr(p, '<', std::size_t(fin - p));
            if (!q) break;
            ++chevrons;
            p = static_cast<const char*>(q) + 1;
        }
    }
    const double ms_passe = Ms_Depuis(debut);

    // The import, as the window runs it: file to Tab_Qso and the sorted Liste_Loc.
    debut = Horloge::now();
    Resultat_Adif resultat;
    {
        const auto c = Lire_Fichier(chemin);
        if (!c) {
            std::fprintf(stderr, "veltrix-bench: cannot read %s\n", chemin);
            return 1;
        }
        resultat = Lire_Adif(c->Vue());
    }
    const int messages = resultat.Messages_Bande + (resultat.Tronque ? 1 : 0);
    Ranger_Dans_Tab_Qso(std::move(resultat.Lignes));
    const std::vector<std::string> liste_loc = Lignes_Localisees();
    const double ms_import = Ms_Depuis(debut);

    debut = Horloge::now();
    std::vector<std::pair<std::string, Totaux>> totaux;
    for (const std::string& item : Items_Bande_Main())
        totaux.emplace_back(item, Calcul_Totaux(liste_loc, item));
    const double ms_totaux = Ms_Depuis(debut);

    const std::pair<const char*, Resultat_Etape> etapes[] = {{"monde", Etape_Monde()},
                                                             {"quarts", Etape_Quarts()},
                                                             {"europe", Etape_Europe()},
                                                             {"champs", Etape_Champs()}};

    std::string json = "{\n";
    json += "  \"nb_qso\": " + std::to_string(static_cast<long long>(Nb_Qso)) + ",\n";
    json += "  \"messages\": " + std::to_string(messages) + ",\n";
    json += "  \"totaux\": {";
    for (std::size_t i = 0; i < totaux.size(); ++i)
        json +=
            (i ? ",\n    " : "\n    ") + Json_Texte(totaux[i].first) + ": " + Json_Entiers(totaux[i].second);
    json += "\n  },\n";
    for (const auto& [cle, etape] : etapes)
        if (etape.Present) json += "  \"" + std::string(cle) + "\": " + etape.Json + ",\n";
    json += "  \"timings_ms\": {\"pass_memchr\": " + Nombre(ms_passe) + ", \"import\": " + Nombre(ms_import) +
            ", \"totaux\": " + Nombre(ms_totaux);
    for (const auto& [cle, etape] : etapes)
        if (etape.Present) json += ", \"" + std::string(cle) + "\": " + Nombre(etape.Ms);
    json += "}";
    if (lignes) {
        json += ",\n  \"lines\": [";
        bool premiere = true;
        for (const std::string& l : Qso_Valides()) {
            json += premiere ? "\n    " : ",\n    ";
            json += Json_Texte(l);
            premiere = false;
        }
        json += "\n  ]";
    }
    json += "\n}\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
    // The count keeps the yardstick pass from being optimised away.
    return chevrons == std::size_t(-1) ? 3 : 0;
}
