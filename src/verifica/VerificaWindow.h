#pragma once

#include "app/CellDrawing.h"
#include "app/DesignedWindow.h"
#include "filters/core/CellFormulas.h"
#include "verifica/BuildSheet.h"
#include "verifica/VerificaDesign.h"
#include "verifica/core/Proposal.h"
#include "verifica/core/Verification.h"
#include "verifica/core/VerificationText.h"

#include <QList>

#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ombrana {

class ResponsePlot;

// The filter of one filter window as it will be built: its cell, or a
// longer ladder of standard capacitors, with whole turns, response,
// harmonics and the stress of the transmitter's power, beside the design.
class VerificaWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit VerificaWindow(const VerificaVariant& variant, QWidget* parent = nullptr);

    // Reads the inputs, recomputes every figure and redraws the curves.
    void refresh();

    BuildSheet buildSheet() const;
    // Write the build sheet or the curves to the file; a failure is reported
    // in a message box and leaves no file.
    bool writePdf(const QString& path);
    bool writeCsv(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handlers of the button and the menu entries, named by the caption they
    // answer.
    void proponi();
    void stampa();
    void esportaPdf();
    void esportaCsv();

    void takeCell();
    void bandChosen(int index);
    void operatingTyped();
    void designChanged();
    void jobChanged();
    void designChosen(int row);
    void fillCapacitors();
    void showResult();
    void showChoice();
    void reportError(const QString& text);

    DesignChoice designChoice() const;
    std::optional<Job> job() const;
    bool typeCore(const QString& typed);

    const VerificaVariant& m_v;
    std::optional<VerificationInput> m_input;
    VerificationResult m_result;
    VerificationText m_text;
    std::optional<Job> m_job;  // the job the list of proposals answers
    Proposal m_proposal;
    bool m_filling = false;  // the window itself is setting its inputs
    QString m_typedCore;     // the core designation typed so far into the core list
    qint64 m_typedAt = 0;
    int m_coreBeforeTyping = 0;

    QList<QLabel*> m_selectable;  // selectable once the pointer has been over them
    QLabel* m_notice;
    QLineEdit* m_operating;
    QComboBox* m_band;
    QLineEdit* m_maxSwr;
    QLineEdit* m_minLoss;
    QLineEdit* m_power;
    QLineEdit* m_loadSwr;
    QComboBox* m_response;
    QComboBox* m_elements;
    QComboBox* m_series;
    QLineEdit* m_capacitor;
    QLineEdit* m_capacitor2;
    QComboBox* m_core;
    QLineEdit* m_diameter;
    QLineEdit* m_length;
    QLineEdit* m_q;
    QListWidget* m_designs;
    QLabel* m_designsCaption;
    QLabel* m_design;
    QLabel* m_builtC1;
    QLabel* m_builtL1;
    QLabel* m_parts;
    QLabel* m_advice;
    CellDrawing* m_drawing;
    ResponsePlot* m_plot;
    QAction* m_pdfEntry;
    QAction* m_csvEntry;
};

// The four verification windows, one for each filter window.
void registerVerificaWindows();

}  // namespace ombrana
