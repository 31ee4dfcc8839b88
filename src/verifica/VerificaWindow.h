#pragma once

#include "app/CellDrawing.h"
#include "app/DesignedWindow.h"
#include "filters/core/CellFormulas.h"
#include "verifica/BuildSheet.h"
#include "verifica/VerificaDesign.h"
#include "verifica/core/Verification.h"
#include "verifica/core/VerificationText.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ombrana {

class ResponsePlot;

// The cell of one filter window as it will be built: standard capacitor,
// whole turns, response and harmonics, beside the cell as designed.
class VerificaWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit VerificaWindow(const VerificaVariant& variant, QWidget* parent = nullptr);

    // Reads the inputs, recomputes every figure and redraws the curves.
    void refresh();

    BuildSheet buildSheet() const;
    bool exportPdf(const QString& path);
    bool exportCsv(const QString& path);

private:
    void takeCell();
    void bandChosen(int index);
    void showResult();
    void stampa();
    void chooseAndExportPdf();
    void chooseAndExportCsv();
    void reportError(const QString& text);

    const VerificaVariant& m_v;
    std::optional<VerificationInput> m_input;
    VerificationResult m_result;
    VerificationText m_text;

    QLabel* m_notice;
    QLineEdit* m_operating;
    QComboBox* m_band;
    QLineEdit* m_capacitor;
    QComboBox* m_core;
    QLineEdit* m_diameter;
    QLineEdit* m_length;
    QLineEdit* m_q;
    QLabel* m_design;
    QLabel* m_builtC1;
    QLabel* m_builtL1;
    QLabel* m_parts;
    ResponsePlot* m_plot;
};

// The four verification windows, one for each filter window.
void registerVerificaWindows();

}  // namespace ombrana
