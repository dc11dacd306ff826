#pragma once

class frmForetag;
class frmLeverantor;
class frmLeverantorLista;
class frmOrderStatus;

namespace language {

// The texts of the small windows that choose or keep reference data: the supplier picker
// (300-307), the supplier list (700-713), the company details (800-811) and the status picker
// (900-907).
void applyTexts(frmLeverantor* form);
void applyTexts(frmOrderStatus* form);
void applyTexts(frmLeverantorLista* form);
void applyTexts(frmForetag* form);

} // namespace language
