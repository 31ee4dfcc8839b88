#include "tools/WindowShots.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "tools/WindowList.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
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
    // A verification window shows the sample design of its filter window,
    // wound on a toroid.
    if (const QString filterName = verifiedFilterWindow(name); !filterName.isEmpty()) {
        QWidget* filter = finestre().open(filterName);
        if (!filter || !fillSampleDesign(filter)) return {};
        QWidget* window = finestre().open(name);
        if (!window) return {};
        if (auto* core = window->findChild<QComboBox*>(QStringLiteral("core")))
            core->setCurrentText(QStringLiteral("T50/2"));
        QApplication::processEvents();
        return window->grab().toImage();
    }
    QWidget* window = finestre().open(name);
    if (!window) return {};
    if (isFilterWindow(name) && !fillSampleDesign(window)) return {};
    QApplication::processEvents();
    return window->grab().toImage();
}

QImage grabSevenElementDesign() {
    QWidget* filter = finestre().open(nomi::passaBassoPiGreco);
    if (!filter || !fillSampleDesign(filter)) return {};
    QWidget* window = finestre().open(nomi::verificaPassaBassoPiGreco);
    if (!window) return {};
    const auto combo = [window](const char* name) { return window->findChild<QComboBox*>(QString::fromLatin1(name)); };
    auto* propose = window->findChild<QPushButton*>(QStringLiteral("propose"));
    auto* designs = window->findChild<QListWidget*>(QStringLiteral("designs"));
    if (!combo("band") || !combo("series") || !combo("elements") || !combo("core") || !propose || !designs) return {};
    combo("band")->setCurrentText(QStringLiteral("40 m"));
    combo("series")->setCurrentText(QStringLiteral("E24"));
    combo("elements")->setCurrentText(QStringLiteral("7"));
    combo("core")->setCurrentText(QStringLiteral("T50/2"));
    propose->click();
    if (designs->count() == 0) return {};
    designs->setCurrentRow(0);
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
