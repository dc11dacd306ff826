#include "data/text_codec.h"

namespace data {

namespace {

// The code page's characters for the bytes 0x80 to 0x9F; every other byte is the Unicode code point
// of the same value. The five bytes the code page leaves undefined stand for the C1 controls of the
// same value, as Windows itself reads them, so that every byte survives a read and a write.
constexpr char16_t kBlock80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte for one UTF-16 unit, or '?' when the code page has no such character. Mapped here
// rather than by a converter object, whose error state leaks from one character to the next.
char byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    for (int i = 0; i < 32; ++i) {
        if (kBlock80[i] == unit)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray encodeWindows1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Nothing outside the Basic Multilingual Plane fits; a pair is one character, one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out[length++] = c.isSurrogate() ? '?' : byteFor(c.unicode());
    }
    out.truncate(length);
    return out;
}

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        out[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kBlock80[byte - 0x80] : char16_t(byte));
    }
    return text;
}

} // namespace data
