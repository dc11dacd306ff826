#include "data/text_codec.h"
#include "target_support.h"

#include <cstring>

namespace {
// Windows-1252 leaves these bytes without a character; Qt's ICU decoder gives them the C1 controls
// of the same value, which encode back, but another decoder may give U+FFFD, which is written as "?".
bool isUndefined(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray back = data::encodeWindows1252(data::decodeWindows1252(bytes));
    if (back.size() != bytes.size())
        fuzzing::fail("one byte decodes to one character and encodes to one byte");
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (back.at(i) != bytes.at(i) && !(isUndefined(bytes.at(i)) && back.at(i) == '?'))
            fuzzing::fail("decoding then encoding gives back the same bytes");

    // The same input as UTF-16 text: every code point, in the code page or not, is one byte.
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(text.size()) * 2);
    qsizetype codePoints = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++codePoints)
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    if (data::encodeWindows1252(text).size() != codePoints)
        fuzzing::fail("every character is written as one byte");
    return 0;
}
