#include "AllWindows.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ombrana::prepareApplication(app);
    ombrana::finestre().open(ombrana::nomi::splash);
    return app.exec();
}
