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

    // The encoder keeps a trailing half surrogate pair as pending state and writes nothing for it,
    // so any surrogate takes the careful way below, where it becomes "?" like every other misfit.
    bool surrogates = false;
    for (QChar c : text) {
        if (c.isSurrogate()) {
            surrogates = true;
            break;
        }
    }
    if (!surrogates) {
        QStringEncoder encoder(kCodePage);
        QByteArray whole = encoder.encode(text);
        if (!encoder.hasError())
            return whole;
    }

    // Something did not fit: encode one code point at a time so only that one becomes "?".
    QByteArray out;
    out.reserve(text.size());
    QStringEncoder single(kCodePage);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isSurrogate()) {
            // Nothing outside the Basic Multilingual Plane fits; a pair is one character, one "?".
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            out.append('?');
            continue;
        }
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        single.resetState();
        const QByteArray bytes = single.encode(QStringView(&c, 1));
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
