#pragma once

#include <QString>

// The name of every window of the program: its objectName and its key in the
// window registry. Windows open one another by these names only.
namespace ombrana::nomi {

inline const QString splash = QStringLiteral("frmSplash");
inline const QString menu = QString::fromUtf8("Men\u00f9");
inline const QString passaBassoPiGreco = QStringLiteral("PassaBpig");
inline const QString passaAltoPiGreco = QStringLiteral("PassaApig");
inline const QString passaBassoT = QStringLiteral("PassaBaT");
inline const QString passaAltoT = QStringLiteral("PassaAltoaT");
inline const QString induttanza = QStringLiteral("Induttanza");
inline const QString induttanza2 = QStringLiteral("Induttanza2");
inline const QString induttanzaAria = QStringLiteral("induttanzaARIA");
inline const QString tabelle = QStringLiteral("Tabelle");
inline const QString calcolatrice = QStringLiteral("Calculator");
inline const QString leggimiMenu = QString::fromUtf8("Leggimimen\u00f9");
inline const QString leggimiPassaBassoPiGreco = QStringLiteral("LeggimiPBpig");
inline const QString leggimiPassaBassoT = QStringLiteral("LeggimiPBT");
inline const QString leggimiPassaAltoPiGreco = QStringLiteral("LeggPApiGRECO");
inline const QString leggimiPassaAltoT = QStringLiteral("LeggimiPAT");
inline const QString leggimiToroidi = QStringLiteral("LEGGIMItoroidi");
inline const QString esempi = QStringLiteral("esempi");
inline const QString passabanda = QStringLiteral("Passabanda");

// The window that verifies a filter window's cell: "Verifica" and the filter
// window's name.
inline QString verifica(const QString& filterWindow) {
    return QStringLiteral("Verifica") + filterWindow;
}
inline const QString verificaPassaBassoPiGreco = verifica(passaBassoPiGreco);
inline const QString verificaPassaAltoPiGreco = verifica(passaAltoPiGreco);
inline const QString verificaPassaBassoT = verifica(passaBassoT);
inline const QString verificaPassaAltoT = verifica(passaAltoT);

}  // namespace ombrana::nomi
