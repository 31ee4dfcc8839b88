#include "toroids/ToroidTables.h"

#include "app/ControlTable.h"
#include "app/DesignLook.h"
#include "app/core/NumberText.h"
#include "toroids/core/TabelleToroidi.h"

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QStringList>

#include <string_view>

namespace ombrana {

namespace {

using namespace design;

constexpr int kTopIntestazione = 240;
constexpr int kTopPrimaRiga = 480;
constexpr int kPasso = 240;

// A column of a reference table: where it stands in its frame and whether
// its texts are centred.
struct Colonna {
    int left;
    int width;
    bool centrata;
};

QString testo(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A mix's range as TAB 2 shows it: "   1 - 30 MHz", the indent as blanks.
QString frequenza(const RigaMiscela& r) {
    return QString(r.rientro, QLatin1Char(' ')) + testo(scriviNumero(r.daMHz)) + QStringLiteral(" - ") +
           testo(scriviNumero(r.aMHz)) + QStringLiteral(" MHz");
}

QLabel* cella(QWidget* frame, const QString& name, const QString& text, const Colonna& c, int top, bool intestazione,
              int riga) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((c.centrata ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    label->setFont(design::makeFont(kBold825, frame->font()));
    const int ground = intestazione ? kNavy : (riga % 2 == 0 ? kSilver : kLightGrey);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, design::colour(ground));
    pal.setColor(QPalette::WindowText, design::colour(intestazione ? kWhite : kBlack));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    design::place(label, {c.left, top, c.width, kPasso});
    return label;
}

// Lays out a table whose rows are lists of texts: the head row, then one row
// per entry on alternating grounds. prefix names the labels: prefix_r<row>_c<column>,
// row 0 being the head.
template <std::size_t N, typename Rows, typename Texts>
void riempi(QWidget* frame, const char* prefix, const std::array<Colonna, N>& colonne,
            const std::array<QString, N>& intestazione, const Rows& righe, Texts testiDi) {
    const auto nome = [prefix](std::size_t r, std::size_t c) {
        return QStringLiteral("%1_r%2_c%3").arg(QLatin1String(prefix)).arg(r).arg(c);
    };
    for (std::size_t c = 0; c < N; ++c)
        cella(frame, nome(0, c), intestazione[c], colonne[c], kTopIntestazione, true, 0);
    int r = 0;
    for (const auto& riga : righe) {
        const std::array<QString, N> testi = testiDi(riga);
        for (std::size_t c = 0; c < N; ++c)
            cella(frame, nome(r + 1, c), testi[c], colonne[c], kTopPrimaRiga + kPasso * r, false, r);
        ++r;
    }
}

}  // namespace

void riempiTabellaDiametri(QWidget* frame) {
    constexpr std::array<Colonna, 2> colonne{{{120, 675, false}, {795, 1380, false}}};
    riempi(frame, "tab1", colonne, {testo(kIntestazioneDiametri.sigla), testo(kIntestazioneDiametri.diametro)},
           tabellaDiametri, [](const RigaDiametro& r) {
               return std::array<QString, 2>{testo(r.sigla), testo(r.diametro)};
           });
}

void riempiTabellaMiscele(QWidget* frame) {
    constexpr std::array<Colonna, 3> colonne{{{120, 735, true}, {855, 1560, true}, {2415, 1440, true}}};
    riempi(
        frame, "tab2", colonne,
        {testo(kIntestazioneMiscele.numero), testo(kIntestazioneMiscele.colori), testo(kIntestazioneMiscele.frequenza)},
        tabellaMiscele, [](const RigaMiscela& r) {
            return std::array<QString, 3>{testo(r.numero), testo(r.colori), frequenza(r)};
        });
}

void riempiTabellaSpire(QWidget* frame) {
    constexpr std::array<Colonna, 2> colonne{{{120, 855, false}, {975, 9720, false}}};
    // Spacing the values takes many text measurements; the rows depend only
    // on the font, so they are worked out once per font and kept.
    static QHash<QString, QStringList> righePerCarattere;
    const QFont font = design::makeFont(kBold825, frame->font());
    QStringList& righe = righePerCarattere[font.key()];
    if (righe.isEmpty()) {
        const QFontMetrics metrics(font);
        for (const RigaSpire& r : tabellaSpire) righe << rigaSpireAllineata(r.spire, metrics);
    }
    int indice = 0;
    riempi(frame, "tab3", colonne, {testo(kIntestazioneFilo), testo(kIntestazioneMisure)}, tabellaSpire,
           [&righe, &indice](const RigaSpire& r) {
               return std::array<QString, 2>{testo(r.filo), righe.at(indice++)};
           });
}

QString rigaSpireAllineata(const std::array<int, 13>& spire, const QFontMetrics& metrics) {
    const QString intestazione = testo(kIntestazioneMisure);
    QString riga;
    qsizetype da = 0;
    for (std::size_t k = 0; k < spire.size(); ++k) {
        const QString misura = testo(misureTab3[k]);
        const qsizetype at = intestazione.indexOf(misura, da);
        da = at + misura.size();
        const int obiettivo = metrics.horizontalAdvance(intestazione.left(at));
        if (k > 0) riga += QLatin1Char(' ');
        // The value goes after the number of blanks that brings it nearest to
        // its place without passing it by more than it gains: the first count
        // that reaches the place, or the one before when that is nearer.
        // Widths grow with the blanks: start from the count that the width of
        // one blank suggests and step to the first count that reaches it.
        const auto larghezza = [&](int blanks) {
            return metrics.horizontalAdvance(riga + QString(blanks, QLatin1Char(' ')));
        };
        const int spazio = qMax(1, metrics.horizontalAdvance(QLatin1Char(' ')));
        int basso = qMax(0, (obiettivo - metrics.horizontalAdvance(riga)) / spazio);
        while (larghezza(basso) < obiettivo) ++basso;
        while (basso > 0 && larghezza(basso - 1) >= obiettivo) --basso;
        int blanks = basso;
        if (blanks > 0 && std::abs(larghezza(blanks) - obiettivo) >= std::abs(larghezza(blanks - 1) - obiettivo))
            --blanks;
        riga += QString(blanks, QLatin1Char(' '));
        riga += QString::number(spire[k]);
    }
    return riga;
}

}  // namespace ombrana
