#pragma once
// A teacher's own equation set: one small ".taveqset" file (JSON, UTF-8)
// naming the equations chosen for a lesson and the level to start at. Read
// defensively; fields this program does not know are kept when it is
// written again; a file of a newer format is refused with the reason.

#include "activity/ownkind.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace calculations {

inline constexpr int EquationSetFormat = 1;
inline const QString EquationSetExtension = QStringLiteral("taveqset");
inline constexpr qint64 LargestEquationSet = 64 * 1024;
inline constexpr int LongestSetTitle = 120;

struct EquationSet {
    QString title;
    QStringList equations; // ids, known ones only, in the file's order
    int level = 1;         // 0 Recall, 1 to 3 the levels
    QStringList unknownEquations{}; // ids this version does not know, kept on rewrite
    QJsonObject unknown{};          // top-level fields this version does not know
};

struct EquationSetRead {
    EquationSet set;
    QString problem; // why the file cannot be used, naming it; empty when it can
    bool ok() const { return problem.isEmpty(); }
};

EquationSetRead parseEquationSet(const QByteArray& bytes, const QString& fileName);
EquationSetRead readEquationSet(const QString& path);
QByteArray equationSetJson(const EquationSet& set);

// What My Activities needs of equation sets.
const activity::OwnKind& ownEquationSetKind();

} // namespace calculations
