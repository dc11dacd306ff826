#pragma once

namespace stress {

// What the journals say happened to one order.
struct OrderState
{
    int linesAdded = 0; // appends that returned true
    int savesStarted = 0;
    int savesDone = 0; // both the data file and the list line written
    bool voidStarted = false;
    bool voided = false;
    bool voidFoundNoEntry = false; // voiding returned true but the list no longer named the order
};

} // namespace stress
