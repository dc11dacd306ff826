#include "data/text_file.h"

#include "data/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace data {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Says why an operation on path failed, in words a clerk understands.
QString reasonFor(const QString& path, const QFileDevice& device, bool needsFile)
{
    const QFileInfo info(path);
    if (!info.dir().exists())
        return QStringLiteral("mappen %1 finns inte").arg(shown(info.absolutePath()));
    if (needsFile && !info.exists())
        return QStringLiteral("filen finns inte");
    if (info.exists() && info.isDir())
        return QStringLiteral("sökvägen är en mapp");
    switch (device.error()) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("åtkomst nekad");
    case QFileDevice::ResourceError:
        return QStringLiteral("disken är full eller otillgänglig");
    default:
        break;
    }
    if (info.exists() && !info.isWritable() && !needsFile)
        return QStringLiteral("filen är skrivskyddad");
    // A refused open comes back as a plain open error with the system's English text.
    if (needsFile && !info.isReadable())
        return QStringLiteral("åtkomst nekad");
    if (!needsFile && !QFileInfo(info.absolutePath()).isWritable())
        return QStringLiteral("åtkomst nekad till mappen");
    return QStringLiteral("%1").arg(device.errorString());
}

} // namespace

bool fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool readTextFile(const QString& path, QString* text, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Kunde inte öppna filen %1: %2.").arg(shown(path), reasonFor(path, file, true));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Kunde inte läsa filen %1: %2.").arg(shown(path), file.errorString());
        return false;
    }
    *text = decodeWindows1252(bytes);
    return true;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("Kunde inte skriva filen %1: %2.").arg(shown(path), reasonFor(path, file, false));
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("Kunde inte skriva filen %1: %2.").arg(shown(path), reasonFor(path, file, false));
        return false;
    }
    return true;
}

bool appendToFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *error = QStringLiteral("Kunde inte skriva till filen %1: %2.").arg(shown(path), reasonFor(path, file, false));
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("Kunde inte skriva till filen %1: %2.").arg(shown(path), reasonFor(path, file, false));
        return false;
    }
    file.close();
    return true;
}

bool canDeleteFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    // The owner's write bit is the read-only mark; checking it rather than access rights means
    // even a privileged user never deletes a protected order.
    if (!(info.permissions() & QFileDevice::WriteOwner) || !info.isWritable()) {
        *error = QStringLiteral("Kunde inte ta bort filen %1: filen är skrivskyddad.").arg(shown(path));
        return false;
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.isWritable()) {
        *error = QStringLiteral("Kunde inte ta bort filen %1: åtkomst nekad till mappen.").arg(shown(path));
        return false;
    }
    return true;
}

bool deleteFile(const QString& path, QString* error)
{
    if (!canDeleteFile(path, error))
        return false;
    QFile file(path);
    if (!file.remove()) {
        *error = QStringLiteral("Kunde inte ta bort filen %1: %2.").arg(shown(path), reasonFor(path, file, true));
        return false;
    }
    return true;
}

} // namespace data
