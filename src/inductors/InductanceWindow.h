#pragma once

#include "app/DesignedWindow.h"

class QLabel;
class QLineEdit;

namespace ombrana {

class InputAlert;

// Everything in which the two inductance windows differ: the constant of
// the formula, a few captions and tool tips, the frame, the ground colour,
// the design position and the names of the CANCELLA and CHIUDI buttons.
struct InductanceVariant {
    QString windowName;
    double k;
    int ground;  // 0xRRGGBB
    WindowDesign::Border border;
    int leftTwips;
    int topTwips;
    const char* alertName;
    const char* capacitanceTip;
    const char* frequencyCaption;
    const char* banner;
    const char* cancella;
    const char* cancellaTip;
    const char* chiudi;
};

const InductanceVariant& varianteInduttanza();   // high-pass cells
const InductanceVariant& varianteInduttanza2();  // low-pass cells

// The inductance that goes with a standard capacitor at the same cut-off
// frequency: capacitance and frequency in, L out.
class InductanceWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit InductanceWindow(const InductanceVariant& variant, QWidget* parent = nullptr);

    InputAlert* alert() const { return m_alert; }

    void Command1_Click();  // CALCOLA
    void cancella();

private:
    const InductanceVariant& m_v;
    QLineEdit* m_capacitance;
    QLineEdit* m_frequency;
    QLabel* m_result;
    InputAlert* m_alert;
};

}  // namespace ombrana
