#include "language/language_loader.h"

#include "data/record_io.h"
#include "data/text_file.h"
#include "language/text_to_number.h"

namespace language {

namespace {
constexpr qsizetype kNumberLength = 3;
constexpr qsizetype kTextStart = 4; // the fourth character separates number and text

// Only the very first character makes a comment; " ;" is an entry.
bool isComment(QStringView line)
{
    return line.startsWith(u';');
}

// Tabs do not count as blank here.
bool isBlank(QStringView line)
{
    for (QChar c : line)
        if (c != u' ')
            return false;
    return true;
}

// "_" is the file's way of writing a line break; it is stored as a carriage return.
QString entryText(QStringView line)
{
    QString text = line.mid(std::min(kTextStart, line.size())).toString();
    text.replace(QLatin1Char('_'), QLatin1Char('\r'));
    return text;
}
} // namespace

qint16 loadLanguageTable(const QString& path, LanguageTable& table, const SelectedName& selectedName,
                         QStringList* errors)
{
    QStringList problems;
    const auto finish = [&](qint16 result) {
        if (errors)
            *errors += problems;
        return result;
    };

    if (path.isEmpty()) {
        problems << QStringLiteral("Ingen språkfil angiven.");
        return finish(1);
    }
    if (!data::fileExists(path)) {
        problems << QStringLiteral("Språkfilen %1 finns inte.").arg(data::quotedForMessage(path));
        return finish(1);
    }

    QString content;
    QString error;
    if (data::readTextFile(path, &content, &error, data::Links::Follow)) {
        data::RecordReader reader(content);
        int lineNumber = 0;
        while (!reader.atEnd()) {
            const QString line = reader.readLine();
            ++lineNumber;
            if (isComment(line) || isBlank(line))
                continue;
            const QStringView numberChars = QStringView(line).left(kNumberLength);
            const std::optional<int> number = textToIndex(numberChars, LanguageTable::kSlotCount - 1);
            if (!number) {
                problems << QStringLiteral("Rad %1: textnumret \"%2\" ligger utanför 0 till 9999999.")
                                .arg(QString::number(lineNumber), data::quotedForMessage(numberChars.toString()));
                continue;
            }
            table.setText(*number, entryText(line));
        }
    } else {
        problems << error;
    }

    const std::optional<QString> name = selectedName ? selectedName() : std::nullopt;
    if (!name || table.text(0) != kHeaderPrefix + *name)
        problems << QStringLiteral("Språkfilens rubrik är inte \"%1\".").arg(kHeaderPrefix + name.value_or(QString()));

    return finish(problems.isEmpty() ? 0 : 1);
}

} // namespace language
