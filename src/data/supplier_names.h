#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace data {

// The supplier list as a lookup of names by number, for a number as the clerk types it. The list is
// read on the first lookup and kept until forget(), so that a keystroke never reads the file.
class SupplierNames
{
public:
    // The name of the list's first supplier with exactly this number; none when no supplier has it
    // or the list cannot be read.
    std::optional<QString> nameOf(const QString& number);

    // The next lookup reads the list again, with whatever was changed in it meanwhile.
    void forget();

private:
    bool m_read = false;
    QHash<QString, QString> m_names;
};

} // namespace data
