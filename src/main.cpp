#include "AllWindows.h"
#include "WindowNames.h"
#include "WindowRegistry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ombrana::prepareApplication(app);
    ombrana::finestre().open(ombrana::nomi::splash);
    return app.exec();
}
