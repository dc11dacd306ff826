#include "language/load_language.h"

#include "language/apply_language.h"
#include "language/language_loader.h"
#include "language/language_window.h"
#include "language/qt_translation.h"

namespace Module2 {

qint16 LoadLanguage(const QString& path)
{
    // The name is read when the header is checked, from the window the user chose it in;
    // without that window no language is selected and no header can match.
    const auto selectedName = []() -> std::optional<QString> {
        if (frmSetLanguage* window = frmSetLanguage::existing())
            return window->Combo1->currentText();
        return std::nullopt;
    };
    const qint16 result = language::loadLanguageTable(path, languageTable(), selectedName);
    // Qt's own dialogs follow the header of what was read, even when a later line was faulty.
    language::useQtTextsFor(languageTable().text(0));
    if (result == 0)
        ApplyLanguage();
    return result;
}

} // namespace Module2
