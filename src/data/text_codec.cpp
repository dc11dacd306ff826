#include "data/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace data {

namespace {
constexpr char kCodePage[] = "windows-1252";
}

QByteArray encodeWindows1252(const QString& text)
{
    bool plainAscii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            plainAscii = false;
            break;
        }
    }
    if (plainAscii)
        return text.toLatin1();

    QStringEncoder encoder(kCodePage);
    QByteArray whole = encoder.encode(text);
    if (!encoder.hasError())
        return whole;

    // Something did not fit: encode one code point at a time so only that one becomes "?".
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        const QStringView codePoint = QStringView(text).mid(i, length);
        i += length - 1;
        if (codePoint.size() == 1 && codePoint.at(0).unicode() < 0x80) {
            out.append(char(codePoint.at(0).unicode()));
            continue;
        }
        QStringEncoder single(kCodePage);
        const QByteArray bytes = single.encode(codePoint);
        out.append(single.hasError() || bytes.size() != 1 ? QByteArray("?") : bytes);
    }
    return out;
}

QString decodeWindows1252(const QByteArray& bytes)
{
    bool plainAscii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            plainAscii = false;
            break;
        }
    }
    if (plainAscii)
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

} // namespace data
