#include "tools/WindowShots.h"

#include "app/WindowRegistry.h"
#include "tools/WindowList.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace ombrana::tools {

bool fillSampleDesign(QWidget* window) {
    auto* frequency = window->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* impedance = window->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* calcola = window->findChild<QPushButton*>(QStringLiteral("Command6"));
    if (!frequency || !impedance || !calcola) return false;
    frequency->setText(QStringLiteral("7"));
    impedance->setText(QStringLiteral("50"));
    calcola->click();
    return true;
}

QImage grabWindow(const QString& name) {
    QWidget* window = finestre().open(name);
    if (!window) return {};
    if (isFilterWindow(name) && !fillSampleDesign(window)) return {};
    QApplication::processEvents();
    return window->grab().toImage();
}

QString shotFileName(const QString& name) {
    QString out;
    for (const QChar c : name.normalized(QString::NormalizationForm_D)) {
        const bool plain =
            (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-';
        if (plain) out += c;
    }
    return out + QStringLiteral(".png");
}

}  // namespace ombrana::tools
