#pragma once

#include "app/core/TipoCella.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ombrana {

// One element of a ladder network, in the units the program shows.
struct LadderElement {
    enum class Part { Inductor, Capacitor };
    enum class Placement { Series, Shunt };

    Part part;
    Placement placement;
    double value = 0;              // µH for an inductor, pF for a capacitor
    std::optional<double> q = {};  // an inductor's finite Q; none means lossless
};

// A ladder between a source and a load of the same resistance, elements
// listed from input to output. The analysis, the drawing, the parts list,
// the build sheet and the curves all read a filter from it.
struct Ladder {
    std::vector<LadderElement> elements;
    double impedanceOhm = 50;
};

// The ladders this program builds have 3, 5, 7 or 9 elements.
inline constexpr int kFewestElements = 3;
inline constexpr int kMostElements = 9;

// The elements of a ladder of the cell's kind, its own three continued
// alternately (a low-pass pi: shunt C, series L, shunt C, series L, ...),
// values 0. Nothing for a count other than 3, 5, 7 or 9.
std::vector<LadderElement> ladderShape(TipoCella kind, int elements);

// The cell as a three-element ladder, its coils of that Q (none: lossless).
Ladder cellLadder(TipoCella kind, Cella values, double impedanceOhm, std::optional<double> inductorQ = {});

// "C1", "L2": the element's kind and its place among the elements of its
// kind, counted from the nearer port. The ladders are symmetric, so equal
// names carry equal values: a pi cell's two capacitors are both C1.
std::string elementName(std::span<const LadderElement> elements, std::size_t index);

// How many elements carry each name, in the order the names first appear
// from the input.
struct NamedPart {
    std::string name;
    std::size_t first;  // the index of its first element
    int count;
};
std::vector<NamedPart> namedParts(std::span<const LadderElement> elements);

}  // namespace ombrana
