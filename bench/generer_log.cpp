// veltrix-genlog: writes a realistic ADIF log for the benchmark and for
// manual tests. The same seed and size always give the same bytes.
//
//   veltrix-genlog [--seed N] [--qso N] [-o FILE]     (1000 <= N <= 100000)

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// splitmix64: tiny, and the same numbers on every platform (unlike the
// standard distributions).
class Hasard {
public:
    explicit Hasard(std::uint64_t graine) : etat_(graine) {}
    std::uint64_t Suivant() {
        std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Entre(int min, int max) { return min + int(Suivant() % std::uint64_t(max - min + 1)); } // inclusive
    bool Sur_Cent(int chances) { return Entre(1, 100) <= chances; }
    template <class T> const T& Parmi(const std::vector<T>& v) {
        return v[std::size_t(Entre(0, int(v.size()) - 1))];
    }

private:
    std::uint64_t etat_;
};

struct Pays {
    const char* Prefixe;
    int Dxcc;
    int Zone;
    std::vector<const char*> Champs; // locator fields where its stations are
    int Poids;
};

// Mostly Europe, as a European station's log is.
const std::vector<Pays> Tous_Les_Pays = {
    {"DL", 230, 14, {"JO", "JN"}, 18},    {"F", 227, 14, {"JN", "IN"}, 10}, {"I", 248, 15, {"JN", "JM"}, 8},
    {"EA", 281, 14, {"IN", "IM"}, 7},     {"G", 223, 14, {"IO"}, 7},        {"ON", 209, 14, {"JO"}, 4},
    {"PA", 263, 14, {"JO"}, 5},           {"OK", 503, 15, {"JO", "JN"}, 4}, {"SP", 269, 15, {"JO", "KO"}, 5},
    {"HA", 239, 15, {"JN", "KN"}, 3},     {"YU", 296, 15, {"KN"}, 2},       {"OE", 206, 15, {"JN"}, 3},
    {"HB9", 287, 14, {"JN"}, 3},          {"SM", 284, 14, {"JO", "JP"}, 3}, {"OH", 224, 15, {"KP"}, 2},
    {"UA", 54, 16, {"KO", "LO"}, 4},      {"UR", 288, 16, {"KN", "KO"}, 3}, {"LZ", 212, 20, {"KN"}, 2},
    {"YO", 275, 20, {"KN"}, 2},           {"SV", 236, 20, {"KM"}, 2},       {"9A", 497, 15, {"JN"}, 2},
    {"S5", 499, 15, {"JN"}, 2},           {"CT", 272, 14, {"IM", "IN"}, 2}, {"EI", 245, 14, {"IO"}, 1},
    {"K", 291, 5, {"FN", "EM", "DM"}, 4}, {"VE", 1, 5, {"FN", "EN"}, 1},    {"JA", 339, 25, {"PM", "QM"}, 2},
    {"VK", 150, 30, {"QF", "QG"}, 1},     {"PY", 108, 11, {"GG", "GF"}, 1}, {"ZS", 462, 38, {"KG", "KF"}, 1},
    {"LU", 100, 13, {"GF"}, 1},           {"4X", 336, 20, {"KM"}, 1},       {"CN", 446, 33, {"IM"}, 1},
    {"EA8", 29, 33, {"IL"}, 1},           {"TF", 242, 40, {"HP"}, 1},
};

struct Bande {
    const char* Adif;                    // the BAND value
    std::vector<const char*> Frequences; // typical FREQ values in MHz
    int Poids;
};

const std::vector<Bande> Toutes_Les_Bandes = {
    {"160m", {"1.840", "1.838", "1.910"}, 3},
    {"80m", {"3.573", "3.700", "3.790"}, 8},
    {"60m", {"5.357"}, 1},
    {"40m", {"7.074", "7.047", "7.150"}, 16},
    {"30m", {"10.136", "10.140"}, 7},
    {"20m", {"14.074", "14.080", "14.200"}, 22},
    {"17m", {"18.100", "18.104"}, 6},
    {"15m", {"21.074", "21.250"}, 9},
    {"12m", {"24.915", "24.940"}, 4},
    {"10m", {"28.074", "28.500"}, 8},
    {"6m", {"50.313", "50.150"}, 5},
    {"2m", {"144.174", "144.300", "145.500"}, 4},
    {"70cm", {"432.174", "432.200"}, 2},
    {"23cm", {"1296.200"}, 1},
    {"13cm", {"2320.200"}, 1},
    {"3cm", {"10368.100"}, 1},
};

const std::vector<const char*> Modes = {"FT8", "FT8", "FT8", "CW",   "CW",
                                        "SSB", "SSB", "FT4", "RTTY", "PSK31"};
const std::vector<const char*> Prenoms = {"Hans",  "Pierre", "Marco",  "Jose",     "John",  "Jan",
                                          "Piotr", "Laszlo", "Jürgen", "François", "Søren", "Ivan",
                                          "Kenji", "Bob",    "Ana",    "Zoltán"};
const std::vector<const char*> Villes = {"Berlin", "Lyon",   "Torino", "Madrid", "Leeds",  "Gent",  "Utrecht",
                                         "Brno",   "Kraków", "Győr",   "Wien",   "Zürich", "Malmö", "Kyiv"};
const std::vector<const char*> Commentaires = {"tnx QSO",   "73",  "nice signal", "QRP 5W", "good DX",
                                               "first QSO", "QSB", "Vielen Dank", "merci",  "via LoTW"};

// How one logger writes its files.
struct Logiciel {
    const char* Entete; // %s: the timestamp
    bool Minuscules;    // field names in lower case
    bool Type;          // ":S", ":N", ":D" after the length on some fields
    int Multi_Lignes;   // percent of records written one field per line
    int Sans_Bande;     // percent of records with FREQ and no BAND
    const char* Fin;    // text after the last record, or ""
};

const std::vector<Logiciel> Logiciels = {
    {"WSJT-X ADIF Export<eoh>\r\n", true, false, 5, 2, ""},
    {"ADIF Export from N1MM Logger+\r\n<ADIF_VER:5>3.1.0\r\n<PROGRAMID:12>N1MM Logger+\r\n"
     "<PROGRAMVERSION:10>1.0.10021\r\n<CREATED_TIMESTAMP:15>%s\r\n<EOH>\r\n",
     false, false, 10, 8, ""},
    {"<ADIF_VER:5>3.1.1\r\n<CREATED_TIMESTAMP:15>%s\r\n<PROGRAMID:6>LOG4OM\r\n<PROGRAMVERSION:7>2.27.1.0\r\n"
     "<EOH>\r\n",
     false, true, 60, 5, ""},
    {"File: /home/op/.fldigi/logs/logbook.adif\r\n\r\n<ADIF_VER:5>2.2.7\r\n<PROGRAMID:6>FLDIGI\r\n"
     "<PROGRAMVERSION:5>4.1.2\r\n<EOH>\r\n",
     true, false, 20, 30, ""},
    {"ARRL Logbook of the World Status Report\r\nGenerated at %s\r\nfor DL1XYZ\r\nQuery:\r\n"
     "    QSL ONLY: NO\r\n\r\n<PROGRAMID:4>LoTW\r\n\r\n<APP_LoTW_LASTQSL:19>2024-01-01 "
     "12:00:00\r\n\r\n<eoh>\r\n",
     false, false, 100, 3, "<APP_LoTW_EOF>\r\n"},
    {"Log exported by DXKeeper\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:8>DXKeeper "
     "<PROGRAMVERSION:5>17.2.3\r\n<EOH>\r\n",
     false, true, 15, 5, ""},
};

struct Ecrivain {
    std::string& sortie;
    const Logiciel& logiciel;
    bool multi_lignes = false;

    void Champ(const char* nom, std::string_view valeur, char type = 0) {
        sortie += '<';
        for (const char* p = nom; *p; ++p)
            sortie += logiciel.Minuscules && *p >= 'A' && *p <= 'Z' ? char(*p - 'A' + 'a') : *p;
        sortie += ':';
        sortie += std::to_string(valeur.size());
        if (logiciel.Type && type) {
            sortie += ':';
            sortie += type;
        }
        sortie += '>';
        sortie += valeur;
        sortie += multi_lignes ? "\r\n" : " ";
    }
};

std::string Deux_Chiffres(int n) {
    char t[8];
    std::snprintf(t, sizeof t, "%02d", n);
    return t;
}

std::string Indicatif(Hasard& h, const Pays& p) {
    std::string s = p.Prefixe;
    if (s.back() < '0' || s.back() > '9') s += char('0' + h.Entre(1, 9));
    const int lettres = h.Entre(1, 3);
    for (int i = 0; i < lettres; ++i) s += char('A' + h.Entre(0, 25));
    if (h.Sur_Cent(4)) s += h.Sur_Cent(50) ? "/P" : "/M";
    return s;
}

std::string Locator(Hasard& h, const Pays& p, bool six) {
    std::string s = h.Parmi(p.Champs);
    s += char('0' + h.Entre(0, 9));
    s += char('0' + h.Entre(0, 9));
    if (six) {
        const char base = h.Sur_Cent(30) ? 'a' : 'A';
        s += char(base + h.Entre(0, 23));
        s += char(base + h.Entre(0, 23));
    }
    return s;
}

template <class T> const T& Pondere(Hasard& h, const std::vector<T>& v) {
    int total = 0;
    for (const auto& x : v) total += x.Poids;
    int r = h.Entre(1, total);
    for (const auto& x : v)
        if ((r -= x.Poids) <= 0) return x;
    return v.back();
}

void Enregistrement(Hasard& h, Ecrivain& e) {
    const Pays& pays = Pondere(h, Tous_Les_Pays);
    const Bande& bande = Pondere(h, Toutes_Les_Bandes);
    const char* mode = h.Parmi(Modes);
    const bool numerique = std::strcmp(mode, "CW") != 0 && std::strcmp(mode, "SSB") != 0;
    const std::string date =
        std::to_string(h.Entre(2015, 2024)) + Deux_Chiffres(h.Entre(1, 12)) + Deux_Chiffres(h.Entre(1, 28));
    const std::string heure = Deux_Chiffres(h.Entre(0, 23)) + Deux_Chiffres(h.Entre(0, 59)) + "00";
    e.multi_lignes = h.Sur_Cent(e.logiciel.Multi_Lignes);

    e.Champ("CALL", Indicatif(h, pays), 'S');
    e.Champ("QSO_DATE", date, 'D');
    e.Champ("TIME_ON", heure, 'T');
    if (h.Sur_Cent(40)) {
        e.Champ("QSO_DATE_OFF", date, 'D');
        e.Champ("TIME_OFF", heure, 'T');
    }
    const std::string frequence = h.Parmi(bande.Frequences);
    if (!h.Sur_Cent(e.logiciel.Sans_Bande)) e.Champ("BAND", bande.Adif, 'E');
    e.Champ("FREQ", frequence, 'N');
    if (h.Sur_Cent(10)) e.Champ("FREQ_RX", frequence, 'N');
    e.Champ("MODE", mode, 'E');
    if (std::strcmp(mode, "FT4") == 0) e.Champ("SUBMODE", "FT4");
    const std::string rst_e =
        numerique ? std::to_string(h.Entre(-24, 10)) : (std::strcmp(mode, "CW") ? "59" : "599");
    const std::string rst_r =
        numerique ? std::to_string(h.Entre(-24, 10)) : (std::strcmp(mode, "CW") ? "57" : "579");
    e.Champ("RST_SENT", rst_e, 'S');
    e.Champ("RST_RCVD", rst_r, 'S');
    const int sorte = h.Entre(1, 100); // 4 characters, 6 characters or none
    if (sorte <= 88) e.Champ("GRIDSQUARE", Locator(h, pays, sorte > 38), 'G');
    if (h.Sur_Cent(85)) e.Champ("CQZ", std::to_string(pays.Zone), 'N');
    if (h.Sur_Cent(50)) e.Champ("ITUZ", std::to_string(pays.Zone + 14), 'N');
    if (h.Sur_Cent(90)) e.Champ("DXCC", std::to_string(pays.Dxcc), 'N');
    if (h.Sur_Cent(60)) e.Champ("COUNTRY", pays.Prefixe, 'S');
    if (h.Sur_Cent(50)) e.Champ("NAME", h.Parmi(Prenoms), 'S');
    if (h.Sur_Cent(40)) e.Champ("QTH", h.Parmi(Villes), 'S');
    e.Champ("STATION_CALLSIGN", "DL1XYZ", 'S');
    e.Champ("MY_GRIDSQUARE", "JO62QM", 'G');
    e.Champ("TX_PWR", h.Sur_Cent(80) ? "100" : "5", 'N');
    if (h.Sur_Cent(35)) e.Champ("COMMENT", h.Parmi(Commentaires), 'S');
    if (h.Sur_Cent(60)) e.Champ("QSL_SENT", h.Sur_Cent(50) ? "Y" : "N", 'E');
    if (h.Sur_Cent(50)) e.Champ("LOTW_QSL_RCVD", h.Sur_Cent(40) ? "Y" : "N", 'E');
    if (h.Sur_Cent(30)) e.Champ("EQSL_QSL_RCVD", h.Sur_Cent(30) ? "Y" : "N", 'E');
    e.sortie += e.logiciel.Minuscules ? "<eor>" : "<EOR>";
    e.sortie += "\r\n";
    if (e.multi_lignes) e.sortie += "\r\n";
}

[[noreturn]] void Usage() {
    std::fputs("usage: veltrix-genlog [--seed N] [--qso N] [-o FILE]   (1000 <= N <= 100000)\n", stderr);
    std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t graine = 1;
    long nombre = 100000;
    const char* chemin = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (i + 1 >= argc) Usage();
        if (a == "--seed")
            graine = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--qso")
            nombre = std::strtol(argv[++i], nullptr, 10);
        else if (a == "-o")
            chemin = argv[++i];
        else
            Usage();
    }
    if (nombre < 1000 || nombre > 100000) Usage();

    Hasard h(graine);
    const Logiciel& logiciel = Logiciels[std::size_t(graine % Logiciels.size())];
    std::string sortie;
    sortie.reserve(std::size_t(nombre) * 400);
    char horodatage[32];
    std::snprintf(horodatage, sizeof horodatage, "%04d%02d%02d %02d%02d%02d", h.Entre(2020, 2024),
                  h.Entre(1, 12), h.Entre(1, 28), h.Entre(0, 23), h.Entre(0, 59), h.Entre(0, 59));
    char entete[512];
    std::snprintf(entete, sizeof entete, logiciel.Entete, horodatage);
    sortie += entete;
    Ecrivain e{sortie, logiciel};
    for (long i = 0; i < nombre; ++i) Enregistrement(h, e);
    sortie += logiciel.Fin;

    FILE* f = chemin ? std::fopen(chemin, "wb") : stdout;
    if (!f) {
        std::perror(chemin);
        return 1;
    }
    const bool ok = std::fwrite(sortie.data(), 1, sortie.size(), f) == sortie.size();
    if (chemin) std::fclose(f);
    return ok ? 0 : 1;
}
