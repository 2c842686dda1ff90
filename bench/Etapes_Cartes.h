// The map families' stages of veltrix-bench: each marks every band item of its
// maps through the same procedures the windows run, on the imported table.
#pragma once

#include <string>

namespace Veltrix_Bench {

struct Resultat_Etape {
    bool Present = false; // false while the family is not built
    std::string Json;     // the value written under the family's key
    double Ms = 0;        // time of the whole stage
};

Resultat_Etape Etape_Monde();  // "monde": band -> marked cells
Resultat_Etape Etape_Quarts(); // "quarts": quarter -> band -> marked cells
Resultat_Etape Etape_Europe(); // "europe": band -> {"cells", "report"}
Resultat_Etape Etape_Champs(); // "champs": field -> band -> marked cells

// JSON helpers shared by the stages.
std::string Json_Texte(std::string_view s); // a quoted, escaped JSON string (bytes kept as UTF-8 or \u00XX)
template <class Entiers> std::string Json_Entiers(const Entiers& v) {
    std::string s = "[";
    bool premier = true;
    for (auto x : v) {
        if (!premier) s += ',';
        premier = false;
        s += std::to_string(x);
    }
    return s + "]";
}

} // namespace Veltrix_Bench
