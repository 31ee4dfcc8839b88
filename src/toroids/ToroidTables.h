#pragma once

#include <QString>

#include <array>

class QFontMetrics;
class QWidget;

namespace ombrana {

// Fills the three reference frames of the toroid window with their labels:
// core diameters (TAB 1), mix colours (TAB 2) and most turns by wire (TAB 3).
void riempiTabellaDiametri(QWidget* frame);
void riempiTabellaMiscele(QWidget* frame);
void riempiTabellaSpire(QWidget* frame);

// One row of TAB 3 as a single text: the values spread with blanks so that
// each starts, in the given font, as near as blanks allow under its size in
// the head row. Values are always parted by at least one blank.
QString rigaSpireAllineata(const std::array<int, 13>& spire, const QFontMetrics& metrics);

}  // namespace ombrana
