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

QStringList registeredNames() {
    return finestre().names();
}

void prepareProgram() {
    static const bool done = [] {
        quietPlatformNotes();
        prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        QApplication::setQuitOnLastWindowClosed(false);
        return true;
    }();
    (void)done;
}

QAbstractButton* buttonWithCaption(QWidget* window, const QString& caption) {
    if (!window) return nullptr;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->text().simplified() == caption) return b;
    return nullptr;
}

QList<TextField> textFields(QWidget* window) {
    QList<TextField> fields;
    if (!window) return fields;
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        if (e->isReadOnly() || !e->isEnabled()) continue;
        auto* combo = qobject_cast<QComboBox*>(e->parentWidget());
        if (combo && !combo->isVisibleTo(window)) continue;
        if (!combo && !e->isVisibleTo(window)) continue;
        fields.append({combo ? combo->objectName() : e->objectName(), e});
    }
    std::sort(fields.begin(), fields.end(), [](const TextField& a, const TextField& b) { return a.name < b.name; });
    return fields;
}

bool isAllowedResult(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));
    return text.isEmpty() || decimal.match(text).hasMatch();
}

DialogWatcher::DialogWatcher(QObject* parent) : QObject(parent) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &DialogWatcher::check);
    m_timer.start();
}

void DialogWatcher::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && qobject_cast<QDialog*>(w)) modal = w;
    }
    if (!modal) return;
    m_seen
        << QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle());
    if (auto* d = qobject_cast<QDialog*>(modal))
        d->reject();
    else
        modal->close();
}

bool alertActive(QWidget* window) {
    if (!window) return false;
    for (const InputAlert* a : window->findChildren<InputAlert*>())
        if (a->isActive()) return true;
    return false;
}

QStringList visibleButNotOpen() {
    const QStringList open = finestre().openNames();
    QStringList strays;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || qobject_cast<QMenu*>(w) || w->windowType() == Qt::ToolTip) continue;
        if (!open.contains(w->objectName()))
            strays << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
    }
    return strays;
}

}  // namespace ombrana::hardening
