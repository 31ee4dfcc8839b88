#include "verifica/VerificaWindows.h"

#include "app/WindowRegistry.h"
#include "verifica/VerificaWindow.h"

namespace ombrana {

void registerVerificaWindows() {
    for (TipoCella t :
         {TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco, TipoCella::PassaBassoT, TipoCella::PassaAltoT}) {
        const VerificaVariant* v = &verificaVariant(t);
        finestre().registerWindow(v->windowName, [v] { return new VerificaWindow(*v); });
    }
}

}  // namespace ombrana
