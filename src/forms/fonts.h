#pragma once
#include <QString>
#include <QStringList>

namespace forms {

// The screens name Arial, Tahoma and Times New Roman. Maps them onto
// metric-compatible faces: Liberation Sans and Serif, and Tahoma from the
// folders given (Wine's copy by default), which fontconfig does not scan.
// Must run before the first widget exists: Qt caches how a family resolves.
void registerFonts(const QStringList& tahomaFolders = {QStringLiteral("/usr/share/wine/fonts")});

// The family a designed family name is drawn with.
QString resolvedFamily(const QString& designFamily);

} // namespace forms
