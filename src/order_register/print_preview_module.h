#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// The print preview lives in a module of its own, the one part of the program that needs the
// toolkit's print support: loaded with the first preview, that support is not loaded at every start.
// The module knows nothing of orders; it shows what it is asked to paint.
struct PrintPreviewRequest
{
    QWidget* parent = nullptr;
    QString objectName;
    QString title;
    QString documentName;
    std::function<void(QPagedPaintDevice*)> paint; // every page, on the printer set up for A4
    std::function<void()> accepted;                // printed, or saved as PDF
};

// The module's one entry, looked up by name once it is loaded.
using ShowPrintPreview = void (*)(const PrintPreviewRequest* request);
constexpr char kShowPrintPreview[] = "zelShowPrintPreview";
constexpr char kPrintPreviewModule[] = "libzel2007_print.so";

// Loads `file` through the program's library path and finds its entry; on failure says why.
ShowPrintPreview loadPrintPreview(const char* file, QString* error);
