#include "verifica/VerificationWindows.h"

#include "app/WindowRegistry.h"
#include "verifica/VerificationWindow.h"

namespace ombrana {

void registerVerificationWindows() {
    for (TipoCella t :
         {TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco, TipoCella::PassaBassoT, TipoCella::PassaAltoT}) {
        const VerificationVariant* v = &verificationVariant(t);
        finestre().registerWindow(v->windowName, [v] { return new VerificationWindow(*v); });
    }
}

}  // namespace ombrana
