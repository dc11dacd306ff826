#pragma once

#include <QString>
#include <QStringList>

namespace stress {

// Several programs whose new-order windows open at the same moment: each round of each program
// takes a number formed at one fixed moment, shared by all, and saves an order under it whose every
// value names the program and round ("P3-R17"), with 1 to 3 lines ("P3-R17-L2").

// False with a reason when a round could not reserve or save its order.
bool raceForNumbers(const QString& folder, int id, int rounds, QString* error);

// Reads only the files: every program and round saved exactly one whole order, listed once, whose
// data file and basket hold its own values and nothing else. One sentence per problem.
QStringList checkNumberRace(const QString& folder, int programs, int rounds);

} // namespace stress
