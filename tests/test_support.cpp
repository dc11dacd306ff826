#include "test_support.h"

#include "data/app_folder.h"
#include "ui/form.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace testsupport {

AppFolder::AppFolder(bool withOrderFolder)
{
    QDir root(m_dir.path());
    if (withOrderFolder)
        root.mkpath(QStringLiteral("Order"));
    root.mkpath(QStringLiteral("System/Language"));
    data::setApplicationFolder(m_dir.path());
}

AppFolder::~AppFolder()
{
    data::setApplicationFolder(QString());
}

QString AppFolder::path() const
{
    return m_dir.path();
}

QString AppFolder::file(const QString& relative) const
{
    return m_dir.filePath(relative);
}

void AppFolder::write(const QString& relative, const QByteArray& bytes) const
{
    QFile out(file(relative));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(relative));
}

QByteArray AppFolder::read(const QString& relative) const
{
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

bool AppFolder::exists(const QString& relative) const
{
    return QFile::exists(file(relative));
}

void AppFolder::copyShipped(const QString& relative) const
{
    QFile::remove(file(relative));
    if (!QFile::copy(QStringLiteral(ZEL_SOURCE_DIR "/app/") + relative, file(relative)))
        qFatal("cannot copy shipped file %s", qPrintable(relative));
}

void resetForms()
{
    ui::setEndHandler([] {});
    const QList<ui::Form*> forms = ui::loadedForms();
    for (ui::Form* form : forms)
        form->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ui::MessageBoxScript::start();
}

void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(widget, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList printedPages(QPrintPreviewDialog* preview)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("printout.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
        Q_EMIT preview->paintRequested(&printer);
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished() || text.exitCode() != 0)
        qFatal("pdftotext (poppler-utils) could not read the printout");
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace testsupport
