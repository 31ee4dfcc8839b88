#include "app/core/Ladder.h"

#include <algorithm>

namespace ombrana {

std::vector<LadderElement> ladderShape(TipoCella kind, int elements) {
    using Part = LadderElement::Part;
    using Placement = LadderElement::Placement;
    if (elements < kFewestElements || elements > kMostElements || elements % 2 == 0) return {};
    // The first element: a pi cell starts with a shunt element, a T cell
    // with a series one; a low-pass cell's shunt elements are capacitors.
    const Placement first = cellaAT(kind) ? Placement::Series : Placement::Shunt;
    const Part shuntPart = passaBasso(kind) ? Part::Capacitor : Part::Inductor;
    const Part seriesPart = passaBasso(kind) ? Part::Inductor : Part::Capacitor;
    std::vector<LadderElement> shape;
    shape.reserve(std::size_t(elements));
    for (int i = 0; i < elements; ++i) {
        const bool likeFirst = i % 2 == 0;
        const Placement p = likeFirst ? first : (first == Placement::Series ? Placement::Shunt : Placement::Series);
        shape.push_back({.part = p == Placement::Shunt ? shuntPart : seriesPart, .placement = p});
    }
    return shape;
}

Ladder cellLadder(TipoCella kind, Cella v, double impedanceOhm, std::optional<double> inductorQ) {
    Ladder ladder{.elements = ladderShape(kind, 3), .impedanceOhm = impedanceOhm};
    for (LadderElement& e : ladder.elements) {
        const bool capacitor = e.part == LadderElement::Part::Capacitor;
        e.value = capacitor ? v.c1Pf : v.l1uH;
        if (!capacitor) e.q = inductorQ;
    }
    return ladder;
}

std::string elementName(std::span<const LadderElement> elements, std::size_t index) {
    if (index >= elements.size()) return {};
    const LadderElement::Part part = elements[index].part;
    int fromInput = 0, fromOutput = 0;
    for (std::size_t i = 0; i <= index; ++i) fromInput += elements[i].part == part;
    for (std::size_t i = index; i < elements.size(); ++i) fromOutput += elements[i].part == part;
    return (part == LadderElement::Part::Capacitor ? "C" : "L") + std::to_string(std::min(fromInput, fromOutput));
}

std::vector<NamedPart> namedParts(std::span<const LadderElement> elements) {
    std::vector<NamedPart> parts;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const std::string name = elementName(elements, i);
        auto it = std::find_if(parts.begin(), parts.end(), [&](const NamedPart& p) { return p.name == name; });
        if (it == parts.end())
            parts.push_back({.name = name, .first = i, .count = 1});
        else
            ++it->count;
    }
    return parts;
}

}  // namespace ombrana
