#pragma once

#include "app/DesignedWindow.h"
#include "verifica/core/Proposal.h"
#include "verifica/core/Verification.h"

#include <optional>

class QComboBox;
class QLineEdit;

namespace ombrana {

// The inputs' frame of a verification window, in its three columns: what
// the filter must do, how it is designed, how it is made. It reads its
// fields into the verification's input and the proposals' job; the window
// wires it.
struct VerificationFields {
    explicit VerificationFields(const DesignedWindow& window);

    // The pick lists with their values, the defaults and the captions that
    // depend on the cell.
    void fill(const DesignedWindow& window, TipoCella kind);

    DesignChoice designChoice() const;
    // The job the inputs describe: the band chosen, or the operating
    // frequency alone; nothing when a limit or the frequency is missing.
    std::optional<Job> job(TipoCella kind, double impedanceOhm) const;
    // Everything but what the filter window gives.
    void read(VerificationInput& input) const;

    QLineEdit* operating;
    QComboBox* band;
    QLineEdit* maxSwr;
    QLineEdit* minLoss;
    QLineEdit* power;
    QComboBox* response;
    QComboBox* elements;
    QComboBox* series;
    QLineEdit* capacitor;
    QLineEdit* capacitor2;
    QComboBox* core;
    QLineEdit* diameter;
    QLineEdit* length;
    QLineEdit* coilQ;
    QLineEdit* loadSwr;
};

// A number the figures can use: positive and finite.
std::optional<double> readField(const QLineEdit* field);

}  // namespace ombrana
