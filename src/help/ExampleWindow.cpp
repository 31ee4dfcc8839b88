#include "help/ExampleWindow.h"

#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"

#include <QAction>
#include <QPushButton>

namespace ombrana {
namespace {

// The drawing sits under the frame's caption and spans the frame's full
// width, so that its rails meet the next frame's.
constexpr int kCaptionRoom = 240;
constexpr int kFootRoom = 30;

}  // namespace

ExampleWindow::ExampleWindow(const ExampleDesign& d, QWidget* parent) : DesignedWindow(d.window, parent) {
    build(d.controls);
    for (const ExampleCell& example : d.cells) {
        QWidget* frame = control(QString::fromUtf8(example.frame));
        const DrawingOptions options{.inPort = example.inPort,
                                     .outPort = example.outPort,
                                     .ground = passaBasso(example.kind),
                                     .coilLengthTwips = cellaAT(example.kind) ? 735 : 855,
                                     .railsToEdges = true};
        auto* drawing = new LadderDrawing(example.kind, d.style, options, frame);
        drawing->setObjectName(QStringLiteral("cella"));
        const double dpi = frame->logicalDpiX();
        const int top = design::twipsToPixels(kCaptionRoom, dpi);
        drawing->setGeometry(0, top, frame->width(), frame->height() - top - design::twipsToPixels(kFootRoom, dpi));
    }
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &ExampleWindow::chiudi);
    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, &ExampleWindow::stampa);
}

void ExampleWindow::chiudi() {
    finestre().open(nomi::menu);
    close();
}

void ExampleWindow::stampa() {
    printWindow(this);
}

}  // namespace ombrana
