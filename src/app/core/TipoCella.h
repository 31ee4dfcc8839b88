#pragma once

namespace ombrana {

// The four filter cells, elements listed from input to output. The filter
// formulas, the filter windows and the cell drawing all name a cell by it.
enum class TipoCella {
    PassaBassoPiGreco,  // shunt C1, series L1, shunt C1
    PassaAltoPiGreco,   // shunt L1, series C1, shunt L1
    PassaBassoT,        // series L1, shunt C1, series L1
    PassaAltoT,         // series C1, shunt L1, series C1
};

// The values of one cell: each of its capacitors is C1, each of its
// inductors L1.
struct Cella {
    double c1Pf;
    double l1uH;
};

// The cell of a filter window's last "CALCOLA" that showed a result: the
// inputs read and the values shown.
struct ComputedCell {
    double frequencyMHz;
    double impedanceOhm;
    Cella shown;
};

constexpr bool passaBasso(TipoCella tipo) {
    return tipo == TipoCella::PassaBassoPiGreco || tipo == TipoCella::PassaBassoT;
}

constexpr bool cellaAT(TipoCella tipo) {
    return tipo == TipoCella::PassaBassoT || tipo == TipoCella::PassaAltoT;
}

}  // namespace ombrana
