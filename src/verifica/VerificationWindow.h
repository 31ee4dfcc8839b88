#pragma once

#include "app/DesignedWindow.h"
#include "verifica/BuildSheet.h"
#include "verifica/VerificationFields.h"
#include "verifica/VerificationLayout.h"
#include "verifica/core/Proposal.h"
#include "verifica/core/ResponseCurve.h"
#include "verifica/core/Verification.h"
#include "verifica/core/VerificationText.h"

#include <optional>
#include <vector>

class QAction;
class QLabel;

namespace ombrana {

class LadderDrawing;
class ProposalList;
class ResponsePlot;

// The filter of one filter window as it will be built: its cell, or a
// longer ladder of standard capacitors, with whole turns, response,
// harmonics and the stress of the transmitter's power, beside the design.
// The window reads its fields, asks the verification core and shows what it
// says; the sheet and the plot are made from the same result.
class VerificationWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit VerificationWindow(const VerificationVariant& variant, QWidget* parent = nullptr);

    // Reads the inputs, recomputes every figure and redraws the curves.
    void refresh();

    BuildSheet buildSheet() const;
    // Write the build sheet or the curves to the file; a failure is reported
    // in a message box and leaves no file.
    bool writePdf(const QString& path);
    bool writeCsv(const QString& path);

private:
    // Handlers of the button and the menu entries, named by the caption they
    // answer.
    void propose();
    void print();
    void exportPdf();
    void exportCsv();

    void findControls();
    void addDrawings();
    void fillInputs();
    void connectInputs();
    void addMenu();

    void takeCell();
    void bandChosen();
    void operatingTyped();
    void designChanged();
    void jobChanged();
    void designChosen(const ProposedDesign& design, Series series);
    void fillCapacitors();
    void showChoice();
    void showResult();
    void showParts();

    const VerificationVariant& m_v;
    VerificationFields m_fields;
    std::optional<VerificationInput> m_input;
    VerificationResult m_result;
    VerificationText m_text;
    std::vector<ResponsePoint> m_curve;  // what the plot and the CSV show
    bool m_filling = false;              // the window itself is setting its inputs

    QLabel* m_notice;
    ProposalList* m_proposals;
    QLabel* m_summary;
    QLabel* m_builtC1;
    QLabel* m_builtL1;
    QLabel* m_parts;
    QLabel* m_advice;
    LadderDrawing* m_drawing;
    ResponsePlot* m_plot;
    QWidget* m_partsScroll;
    QAction* m_pdfEntry;
    QAction* m_csvEntry;
};

}  // namespace ombrana
