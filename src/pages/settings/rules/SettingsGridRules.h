#pragma once
// Page 5's grid editing: a click in the value column or a choice in a drop-down's list goes into
// the page's edited record through the settings rules, and the grid follows at once.
namespace pages {

class CDialogDeviceSetting;

// After a click activation on page 5 at (row, column).
void RunGridClickRules(CDialogDeviceSetting& page, int row, int column);

// After a pop-up notification reached the value cell of `row`. The page texts and the main
// window's controls are refreshed by the grid afterwards, stored or not.
void RunGridChoiceRules(CDialogDeviceSetting& page, int row);

}  // namespace pages
