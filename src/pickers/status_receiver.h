#pragma once

#include <QString>

// A window that can take the status chosen in the order status picker. The picker writes into
// whichever window opened it and knows none of its controls.
class StatusReceiver
{
public:
    virtual void receiveStatus(const QString& id, const QString& description) = 0;

protected:
    ~StatusReceiver() = default;
};
