#include "calculator/CalculatorIcon.h"

#include "app/DesignLook.h"

#include <QPainter>
#include <QPixmap>

namespace ombrana {

QIcon calculatorIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Body.
    p.setPen(design::colour(design::kIconInk));
    p.setBrush(design::colour(design::kIconBody));
    p.drawRect(4, 1, 23, 29);
    // Display.
    p.setBrush(design::colour(design::kYellow));
    p.drawRect(7, 4, 17, 6);
    p.setPen(design::colour(design::kBlack));
    p.drawLine(20, 6, 22, 6);
    p.drawLine(21, 5, 21, 8);
    // Four rows of four keys; the last column in blue as the operators.
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.setPen(design::colour(design::kIconInk));
            p.setBrush(col == 3 ? design::colour(design::kBlue) : design::colour(design::kIconKey));
            p.drawRect(7 + col * 5, 13 + row * 4, 3, 2);
        }
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace ombrana
