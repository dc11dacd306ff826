#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzzing {

// An application folder with Order, System and System/Language, made once per process on a tmpfs
// when there is one (each input is a file write), and set as the program's folder.
QString scratchAppFolder();

// Writes the input as the file at `relative` below the scratch folder; returns its full path.
QString writeInput(const QString& relative, const uint8_t* data, size_t size);

// Stops the run so that libFuzzer saves the input that broke a rule of the reader.
[[noreturn]] void fail(const char* rule);

// Checks the rule every reader keeps: a failure says why and names the file.
void checkError(bool ok, const QString& error, const QString& path);

} // namespace fuzzing
