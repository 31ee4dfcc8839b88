#pragma once

class QWidget;

namespace ombrana {

// The multi-cell low-pass examples and the band-pass examples.
QWidget* creaEsempi();
QWidget* creaPassabanda();

}  // namespace ombrana
