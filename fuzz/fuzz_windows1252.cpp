#include "data/text_codec.h"
#include "target_support.h"

#include <QStringEncoder>
#include <cstring>

namespace {
// Whether the code page holds this one UTF-16 unit, asked of Qt's own converter, afresh each time
// (a converter keeps its error state from one character to the next).
bool fits(QChar c)
{
    if (c.isSurrogate())
        return false;
    QStringEncoder single("windows-1252");
    const QByteArray bytes = single.encode(QStringView(&c, 1));
    return !single.hasError() && bytes.size() == 1;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // From bytes: every byte is one character and comes back as the same byte.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (data::encodeWindows1252(data::decodeWindows1252(bytes)) != bytes)
        fuzzing::fail("decoding then encoding gives back the same bytes");

    // From text: the same input as UTF-16. Every character is one byte; one that fits the code page
    // reads back as itself, one that does not is "?", whatever stands before or after it.
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(text.size()) * 2);
    const QByteArray encoded = data::encodeWindows1252(text);
    const QString back = data::decodeWindows1252(encoded);
    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++out) {
        if (out >= encoded.size())
            fuzzing::fail("every character is written as one byte");
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        if (fits(c) ? back.at(out) != c : encoded.at(out) != '?')
            fuzzing::fail("only the characters the code page lacks become ?");
    }
    if (out != encoded.size())
        fuzzing::fail("every character is written as one byte");
    return 0;
}
