#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace ombrana::tools {

// Types a sample design into a filter window (F = 7 MHz, Z = 50 ohm) and
// presses "CALCOLA", so that its picture shows results. Returns false when
// the window lacks the fields or the button.
bool fillSampleDesign(QWidget* window);

// Opens the window by name, fills a filter window's sample design, lets it
// paint and returns its image; a null image when it cannot be opened.
QImage grabWindow(const QString& name);

// The low-pass pi verification of a 40 m transmitter's filter: the first
// seven-element design of standard E24 capacitors that PROPONI lists,
// wound on T50/2 cores. A null image when it cannot be made.
QImage grabSevenElementDesign();

// The file name of a window's picture: its name with anything outside
// [A-Za-z0-9_-] spelled out, so that "Menù" becomes "Menu".
QString shotFileName(const QString& name);

}  // namespace ombrana::tools
