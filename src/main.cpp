#include "AllWindows.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ombrana::startProgram(app);
    return app.exec();
}
