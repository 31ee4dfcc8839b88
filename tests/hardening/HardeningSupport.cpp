#include "tests/hardening/HardeningSupport.h"

#include "AllWindows.h"
#include "app/InputAlert.h"
#include "app/QuietMessages.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>

namespace ombrana::hardening {

QStringList nomiRegistrati() {
    return finestre().names();
}

void preparaProgramma() {
    static const bool fatto = [] {
        quietPlatformNotes();
        prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        QApplication::setQuitOnLastWindowClosed(false);
        return true;
    }();
    (void)fatto;
}

QAbstractButton* pulsante(QWidget* window, const QString& caption) {
    if (!window) return nullptr;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->text().simplified() == caption) return b;
    return nullptr;
}

QList<Campo> campiDiTesto(QWidget* window) {
    QList<Campo> campi;
    if (!window) return campi;
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        if (e->isReadOnly() || !e->isEnabled()) continue;
        auto* combo = qobject_cast<QComboBox*>(e->parentWidget());
        if (combo && !combo->isVisibleTo(window)) continue;
        if (!combo && !e->isVisibleTo(window)) continue;
        campi.append({combo ? combo->objectName() : e->objectName(), e});
    }
    std::sort(campi.begin(), campi.end(), [](const Campo& a, const Campo& b) { return a.nome < b.nome; });
    return campi;
}

bool eRisultatoAmmesso(const QString& text) {
    static const QRegularExpression decimale(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));
    return text.isEmpty() || decimale.match(text).hasMatch();
}

SpiaDialoghi::SpiaDialoghi(QObject* parent) : QObject(parent) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &SpiaDialoghi::controlla);
    m_timer.start();
}

void SpiaDialoghi::controlla() {
    QWidget* modale = QApplication::activeModalWidget();
    if (!modale) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && qobject_cast<QDialog*>(w)) modale = w;
    }
    if (!modale) return;
    m_visti << QStringLiteral("%1 \"%2\"")
                   .arg(QString::fromLatin1(modale->metaObject()->className()), modale->windowTitle());
    if (auto* d = qobject_cast<QDialog*>(modale))
        d->reject();
    else
        modale->close();
}

bool allarmeAttivo(QWidget* window) {
    if (!window) return false;
    for (const InputAlert* a : window->findChildren<InputAlert*>())
        if (a->isActive()) return true;
    return false;
}

QStringList finestreVisibiliNonAperte() {
    const QStringList aperte = finestre().openNames();
    QStringList estranee;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || qobject_cast<QMenu*>(w) || w->windowType() == Qt::ToolTip) continue;
        if (!aperte.contains(w->objectName()))
            estranee << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                      QString::fromLatin1(w->metaObject()->className()));
    }
    return estranee;
}

}  // namespace ombrana::hardening
