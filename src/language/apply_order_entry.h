#pragma once

class frmAdd;
class frmSplash;
class frmZelOrderNew;

namespace language {

// The texts of the order-entry windows: the splash window (100-102), the new-order window with
// its menus, questions and export (200-261) and the add-line dialog (400-412).
void applyTexts(frmSplash* form);
void applyTexts(frmZelOrderNew* form);
void applyTexts(frmAdd* form);

} // namespace language
