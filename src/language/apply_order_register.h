#pragma once

class frmLeverera;
class frmOrderLista;

namespace language {

// The texts of the order register: the order list window (500-545) and the delivery dialog
// (600-618). The print preview is made fresh for each order, so its title and notices (960-962)
// are handed over once, for every preview to come.
void applyTexts(frmOrderLista* form);
void applyTexts(frmLeverera* form);
void applyPreviewTexts();

} // namespace language
