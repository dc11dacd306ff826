#include "data/text_codec.h"
#include "language/language_loader.h"
#include "language/text_to_number.h"
#include "target_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeInput(QStringLiteral("System/Language/Svenska.lng"), data, size);
    language::LanguageTable table;
    QStringList problems;
    const qint16 result = language::loadLanguageTable(
        path, table, [] { return std::optional<QString>(QStringLiteral("Svenska")); }, &problems);
    if (result != 0 && result != 1)
        fuzzing::fail("the loader answers 0 or 1");
    if ((result == 0) != problems.isEmpty())
        fuzzing::fail("the loader answers 1 exactly when it reports a problem");
    if (result == 0 && table.text(0) != QStringLiteral("LANGUAGE FILE Svenska"))
        fuzzing::fail("a file taken without problems has the selected header");

    // The loader only hands the number parser three characters; the whole text reaches far more of it.
    const QString text = data::decodeWindows1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    language::textToNumber(text);
    for (const int highest : {999, language::LanguageTable::kSlotCount - 1}) {
        const std::optional<int> index = language::textToIndex(text, highest);
        if (index && (*index < 0 || *index > highest))
            fuzzing::fail("a text number index lies outside 0 to the highest");
    }
    return 0;
}
