#pragma once

class QCoreApplication;

namespace ombrana {

// The desktop entry's id: the program names it so that task bars group its
// windows under the launcher.
inline constexpr char kDesktopId[] = "org.ombrana.Ombrana";

void identifyToDesktop();

// The toolkit's own texts (a field's context menu, standard buttons) in
// Italian, like the rest of the interface, whatever the user's locale.
// Returns false when the system lacks the toolkit's Italian translations.
bool installToolkitTranslations(QCoreApplication& app);

}  // namespace ombrana
