#include "app/Beep.h"

#include <QApplication>

namespace ombrana {
namespace {
int g_beeps = 0;
}

void beep() {
    ++g_beeps;
    QApplication::beep();
}

int beepCount() {
    return g_beeps;
}

}  // namespace ombrana
