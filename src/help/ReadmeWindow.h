#pragma once

#include "app/DesignedWindow.h"

#include <span>

namespace ombrana {

// One read-me window: its name, its caption ("LEGGIMI", a run of blanks, the
// topic, trailing blanks), the text file it shows and where its text box
// stands (twips).
struct ReadmeVariant {
    const QString* windowName;
    const char* titleTopic;
    int titleBlanks;
    int titleTrailingBlanks = 0;
    const char* textFile;  // resource path of the UTF-8 text
    design::Twips box;     // where the text box stands
    double points = 13.5;
    bool scrollBar = false;
};

std::span<const ReadmeVariant> readmeVariants();

// The text of a read-me as stored, lines separated by '\n'.
QString readmeText(const char* textFile);

// A read-me: a fixed text in one read-only text box, closed only from the
// title bar.
class ReadmeWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit ReadmeWindow(const ReadmeVariant& variant, QWidget* parent = nullptr);
};

}  // namespace ombrana
