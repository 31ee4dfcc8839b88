#include "toroids/core/CatalogoToroidi.h"

#include <string>

namespace ombrana {

namespace {

bool contiene(std::string_view testo, std::string_view sigla) {
    return testo.find(sigla) != std::string_view::npos;
}

// How many entries form the group that starts at index i: two neighbours of
// the same size starting at an even position within it, otherwise one (the
// lone T300/2).
std::size_t ampiezzaGruppo(std::size_t i, std::size_t posizioneNellaMisura) {
    const bool haVicino =
        i + 1 < catalogoToroidi.size() && misuraDi(catalogoToroidi[i + 1].sigla) == misuraDi(catalogoToroidi[i].sigla);
    return (posizioneNellaMisura % 2 == 0 && haVicino) ? 2 : 1;
}

}  // namespace

std::optional<double> fattoreAL(std::string_view testo) {
    std::optional<double> al;
    std::size_t posizione = 0;  // index of the entry within its size
    for (std::size_t i = 0; i < catalogoToroidi.size();) {
        if (i > 0 && misuraDi(catalogoToroidi[i].sigla) != misuraDi(catalogoToroidi[i - 1].sigla)) posizione = 0;
        const std::size_t ampiezza = ampiezzaGruppo(i, posizione);
        for (std::size_t k = i; k < i + ampiezza; ++k) {
            if (contiene(testo, catalogoToroidi[k].sigla)) {
                al = catalogoToroidi[k].al;
                break;  // the partner of a matching first member is not tried
            }
        }
        i += ampiezza;
        posizione += ampiezza;
    }
    return al;
}

std::optional<std::string_view> siglaDiCatalogo(std::string_view scritta) {
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = scritta.find_first_not_of(blanks);
    if (first == std::string_view::npos) return std::nullopt;
    scritta = scritta.substr(first, scritta.find_last_not_of(blanks) - first + 1);

    std::string sigla(scritta);
    if (sigla.front() == 't') sigla.front() = 'T';
    for (char& c : sigla)
        if (c == '-') c = '/';
    for (const VoceToroide& v : catalogoToroidi)
        if (v.sigla == sigla) return v.sigla;
    return std::nullopt;
}

std::optional<double> limiteInduttanza(std::string_view nome) {
    for (const VoceToroide& v : catalogoToroidi)
        if (v.limite && v.sigla == nome) return v.limite;
    return std::nullopt;
}

}  // namespace ombrana
