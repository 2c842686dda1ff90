// libFuzzer target: any bytes through the reader, the table and the totals.
#include "fuzz/Verifier_Adif.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string defaut =
        Sous_Programmes::Verifier_Adif(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    if (!defaut.empty()) {
        std::fprintf(stderr, "%s\n", defaut.c_str());
        std::abort();
    }
    return 0;
}
