#include "app/MnemonicMenuBar.h"

#include <QKeyEvent>
#include <QStyleOptionMenuItem>

namespace ombrana {

qsizetype mnemonicIndex(const QString& caption, const QString& taken) {
    const auto free = [&](qsizetype i) { return caption.at(i).isLetter() && !taken.contains(caption.at(i).toUpper()); };
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool startsWord = i == 0 || !caption.at(i - 1).isLetterOrNumber();
        if (startsWord && free(i)) return i;
    }
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (free(i)) return i;
    return -1;
}

MnemonicMenuBar::MnemonicMenuBar(QWidget* parent) : QMenuBar(parent) {
    setObjectName(QStringLiteral("menuBar"));
}

QAction* MnemonicMenuBar::addEntry(const QString& caption) {
    QAction* entry = addAction(caption);
    const qsizetype at = mnemonicIndex(caption, m_taken);
    if (at < 0) return entry;
    const QChar letter = caption.at(at).toUpper();
    m_taken.append(letter);
    m_mnemonics.insert(entry, {at, letter});
    // The shortcut of the action itself: it leaves the text alone, and a
    // screen reader announces it with the entry.
    entry->setShortcut(QKeySequence(Qt::ALT | Qt::Key(letter.unicode())));
    entry->setShortcutContext(Qt::WindowShortcut);
    return entry;
}

QChar MnemonicMenuBar::mnemonic(const QAction* entry) const {
    const auto it = m_mnemonics.constFind(entry);
    return it == m_mnemonics.cend() ? QChar() : it->letter;
}

void MnemonicMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    const auto it = m_mnemonics.constFind(action);
    if (it == m_mnemonics.cend()) return;
    QString marked = option->text;
    // Only while the caption still has its letter where it was.
    if (it->at >= marked.size() || marked.at(it->at).toUpper() != it->letter) return;
    // The style underlines the letter after an ampersand; any ampersand of
    // the caption itself is doubled so that it shows as written.
    const qsizetype before = marked.left(it->at).count(QLatin1Char('&'));
    marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
    marked.insert(it->at + before, QLatin1Char('&'));
    option->text = marked;
}

void MnemonicMenuBar::keyPressEvent(QKeyEvent* event) {
    // In the bar, the letter alone chooses its entry, as Enter on it would.
    constexpr auto commandModifiers = Qt::ControlModifier | Qt::MetaModifier;
    if (event->text().size() == 1 && !(event->modifiers() & commandModifiers)) {
        const QChar letter = event->text().at(0).toUpper();
        for (QAction* entry : actions()) {
            if (mnemonic(entry) != letter || !entry->isEnabled() || !entry->isVisible()) continue;
            setActiveAction(entry);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QMenuBar::keyPressEvent(&enter);
            event->accept();
            return;
        }
    }
    QMenuBar::keyPressEvent(event);
}

}  // namespace ombrana
