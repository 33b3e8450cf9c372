#include "forms/fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace forms {

void registerFonts(const QStringList& tahomaFolders)
{
    for (const QString& folder : tahomaFolders)
        for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
            const QString path = QDir(folder).filePath(QString::fromLatin1(file));
            if (QFile::exists(path))
                QFontDatabase::addApplicationFont(path);
        }
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QString resolvedFamily(const QString& designFamily)
{
    return QFontInfo(QFont(designFamily)).family();
}

} // namespace forms
