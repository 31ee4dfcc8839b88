#pragma once

#include <QIcon>

namespace ombrana {

// The calculator's 32 x 32 window icon, drawn at run time: a small grey
// calculator with a yellow display and a grid of keys.
QIcon calculatorIcon();

}  // namespace ombrana
