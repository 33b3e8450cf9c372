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

QString freeFileName(const QString& folder, const QString& title, const QString& extension, const QString& fallback)
{
    static const QRegularExpression unsafe(QStringLiteral("[^\\w \\-()',.]+"), QRegularExpression::UseUnicodePropertiesOption);
    QString base = title;
    base.replace(unsafe, QStringLiteral(" "));
    base = firstCharacters(base.simplified(), 60).trimmed();
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = fallback;
    const QDir dir(folder);
    const auto taken = [&dir](const QString& name) {
        const QFileInfo info(dir.filePath(name));
        return info.exists() || info.isSymLink(); // a link that leads nowhere still holds its name
    };
    QString name = QStringLiteral("%1.%2").arg(base, extension);
    for (int n = 2; taken(name); ++n)
        name = QStringLiteral("%1 (%2).%3").arg(base).arg(n).arg(extension);
    return name;
}

} // namespace activity
