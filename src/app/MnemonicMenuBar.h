#pragma once

#include <QHash>
#include <QMenuBar>

namespace ombrana {

// Where the Alt+letter mnemonic of a menu-bar entry goes in its caption:
// the first letter that starts a word and is not yet taken (taken holds
// the letters of the entries before it, in capitals), else the first other
// free letter; -1 when every letter of the caption is taken.
qsizetype mnemonicIndex(const QString& caption, const QString& taken);

// A menu bar of plain entries, each with a letter of its own: Alt+letter
// triggers the entry, and in the bar (a lone Alt press leads there) the
// letter alone does. The letter shows underlined, while the entry's text
// stays its caption as written, without an ampersand, as screen readers and
// the tests read it: the bar adds the mark only where it draws.
class MnemonicMenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MnemonicMenuBar(QWidget* parent = nullptr);

    QAction* addEntry(const QString& caption);

    // The entry's letter, in capitals; null for an entry without one.
    QChar mnemonic(const QAction* entry) const;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Mnemonic {
        qsizetype at;  // position of the letter in the caption
        QChar letter;  // in capitals
    };
    QHash<const QAction*, Mnemonic> m_mnemonics;
    QString m_taken;
};

}  // namespace ombrana
