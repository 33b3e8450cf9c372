#include "activity/teacherwrite.h"
#include "activity/textlength.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace activity {

QString writeAtomically(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("its folder cannot be made");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

QString saveOrSayWhy(const QString& path, const QByteArray& bytes)
{
    const QString why = writeAtomically(path, bytes);
    return why.isEmpty() ? why : QStringLiteral("%1 could not be saved: %2").arg(QFileInfo(path).fileName(), why);
}

namespace {
QString fileBase(const QString& title, const QString& fallback)
{
    static const QRegularExpression unsafe(QStringLiteral("[^\\w \\-()',.]+"), QRegularExpression::UseUnicodePropertiesOption);
    QString base = title;
    base.replace(unsafe, QStringLiteral(" "));
    base = firstCharacters(base.simplified(), 60).trimmed();
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    return base.isEmpty() ? fallback : base;
}
} // namespace

QString fileNameFor(const QString& title, const QString& extension, const QString& fallback)
{
    return QStringLiteral("%1.%2").arg(fileBase(title, fallback), extension);
}

QString freeFileName(const QString& folder, const QString& title, const QString& extension, const QString& fallback, Naming naming)
{
    const QString base = fileBase(title, fallback);
    const QDir dir(folder);
    const auto taken = [&dir](const QString& name) {
        const QFileInfo info(dir.filePath(name));
        return info.exists() || info.isSymLink(); // a link that leads nowhere still holds its name
    };
    const auto numbered = [&](int n) {
        if (naming == Naming::Copy)
            return n == 1 ? QStringLiteral("%1 (copy).%2").arg(base, extension)
                          : QStringLiteral("%1 (copy %2).%3").arg(base).arg(n).arg(extension);
        return n == 1 ? QStringLiteral("%1.%2").arg(base, extension) : QStringLiteral("%1 (%2).%3").arg(base).arg(n).arg(extension);
    };
    int n = 1;
    while (taken(numbered(n)))
        ++n;
    return numbered(n);
}

} // namespace activity
