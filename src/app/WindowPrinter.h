#pragma once

#include <QImage>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace ombrana {

// "Stampa": prints an image of the window on the default printer. With no
// default printer, or when the printer refuses the job, nothing happens and
// nothing is said.
void stampaFinestra(QWidget* window);

// Paints the image on a printer page, scaled to fit the printable area and
// keeping its proportions. Returns false when the painter cannot begin.
bool stampaImmagine(const QImage& image, QPagedPaintDevice& device);

// Tests catch the image here instead of sending it to a printer.
void setPrintSinkForTests(std::function<void(const QImage&)> sink);

}  // namespace ombrana
