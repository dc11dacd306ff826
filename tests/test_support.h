#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class QWidget;

class QPrintPreviewDialog;

namespace testsupport {

// A fresh application folder with Order, System and System/Language, which the program uses
// until the object goes away.
class AppFolder
{
public:
    explicit AppFolder(bool withOrderFolder = true);
    ~AppFolder();

    QString path() const;
    // Paths and contents are relative to the folder, written with forward slashes.
    QString file(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Copies a file shipped in app/ into this folder.
    void copyShipped(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};

// Unloads every window, lets the deferred deletions run and answers message boxes by script again.
void resetForms();

// What the preview would print, page by page, as text: rendered to a PDF and read back with
// pdftotext (poppler-utils), so a test sees what the supplier reads.
QStringList printedPages(QPrintPreviewDialog* preview);

// Two saved orders for what the program remembers: 100001 of K-17 from supplier 1008, and the later
// 200002 of K-18 from 1009, each with two lines; the list names both.
void writeTwoSavedOrders(const AppFolder& folder);

// Each window as its single instance, loaded; the delivery dialog and the print preview show order
// 100001, which writeTwoSavedOrders() writes.
enum class Window {
    Language,
    Splash,
    NewOrder,
    AddLine,
    Suppliers,
    Statuses,
    OrderList,
    Delivery,
    SupplierList,
    Company,
    Preview
};
QWidget* openWindow(Window window);

// Types text into a widget; letters outside ASCII are sent one at a time.
void typeText(QWidget* widget, const QString& text);

} // namespace testsupport
