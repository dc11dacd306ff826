#include "data/record_io.h"
#include "data/text_codec.h"
#include "target_support.h"

// Line reading and field reading over any text, by the record sizes the files use.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = data::decodeWindows1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    // Every line and every field takes at least one character, so a reader that stops moving
    // shows up as more records than characters.
    data::RecordReader lineReader(text);
    qsizetype lines = 0;
    while (!lineReader.atEnd()) {
        const QString line = lineReader.readLine();
        if (line.contains(u'\r') || line.contains(u'\n'))
            fuzzing::fail("a line holds a line end");
        if (++lines > text.size())
            fuzzing::fail("line reading does not move on");
    }
    for (const int count : {2, 5}) {
        data::RecordReader fieldReader(text);
        QStringList fields;
        qsizetype records = 0;
        while (!fieldReader.atEnd() && fieldReader.readFields(count, &fields)) {
            if (fields.size() != count)
                fuzzing::fail("a complete record has every field");
            if (++records * count > text.size())
                fuzzing::fail("field reading does not move on");
        }
    }
    return 0;
}
