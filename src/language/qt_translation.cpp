#include "language/qt_translation.h"

#include "language/language_loader.h"

#include <QCoreApplication>
#include <QTranslator>

namespace language {

namespace {
// Built from src/language/translations/qt_sv.ts and carried in the program as a resource.
const QString kSwedishQtTexts = QStringLiteral(":/i18n/qt_sv.qm");

// One translator for the whole run, so a language chosen twice is never installed twice.
QTranslator& swedishTranslator()
{
    static QTranslator translator;
    return translator;
}

bool g_installed = false;
} // namespace

bool useQtTextsFor(const QString& header)
{
    const bool swedish = header == kHeaderPrefix + QStringLiteral("Svenska");
    if (swedish == g_installed)
        return g_installed;
    QTranslator& translator = swedishTranslator();
    if (!swedish) {
        QCoreApplication::removeTranslator(&translator);
        g_installed = false;
        return false;
    }
    // An unreadable resource leaves Qt's English rather than an empty translator in force.
    if (translator.isEmpty() && !translator.load(kSwedishQtTexts))
        return false;
    g_installed = QCoreApplication::installTranslator(&translator);
    return g_installed;
}

} // namespace language
