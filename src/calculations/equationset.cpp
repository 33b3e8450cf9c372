#include "calculations/equationset.h"
#include "activity/teacherfile.h"
#include "calculations/equationchoice.h"
#include "calculations/equationdrill.h"
#include "calculations/equationquestions.h"
#include "forms/screens.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace calculations {

namespace {
const QStringList Known{"format", "kind", "title", "level", "equations"};

EquationSetRead refused(const QString& fileName, const QString& why) { return {{}, fileName + QStringLiteral(": ") + why}; }
} // namespace

EquationSetRead parseEquationSet(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.size() > LargestEquationSet)
        return refused(fileName, QStringLiteral("it is too large to be an equation set"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused(fileName, QStringLiteral("it is not an equation set (not a JSON object)"));
    const QJsonObject top = document.object();
    const QJsonValue format = top.value(QStringLiteral("format"));
    if (!format.isDouble() || format.toDouble() < 1 || format.toDouble() != std::floor(format.toDouble()))
        return refused(fileName, QStringLiteral("it has no format number"));
    if (format.toDouble() > EquationSetFormat)
        return refused(fileName, QStringLiteral("it was made by a newer version of the program (format %1)").arg(format.toDouble()));
    if (top.value(QStringLiteral("kind")).toString() != QLatin1String("equations"))
        return refused(fileName, QStringLiteral("it is not an equation set (its kind is not \"equations\")"));
    EquationSetRead read;
    read.set.title = top.value(QStringLiteral("title")).toString().trimmed();
    if (read.set.title.isEmpty() || read.set.title.size() > LongestSetTitle)
        return refused(fileName, QStringLiteral("its title must be 1 to %1 characters").arg(LongestSetTitle));
    const QJsonValue level = top.value(QStringLiteral("level"));
    if (!level.isUndefined()) {
        if (!level.isDouble() || level.toDouble() != std::floor(level.toDouble()) || level.toDouble() < 0 || level.toDouble() > 3)
            return refused(fileName, QStringLiteral("its level must be 0 (Recall) to 3"));
        read.set.level = level.toInt();
    }
    const QJsonValue list = top.value(QStringLiteral("equations"));
    if (!list.isArray())
        return refused(fileName, QStringLiteral("it has no list of equations"));
    for (const QJsonValue& entry : list.toArray()) {
        if (!entry.isString())
            return refused(fileName, QStringLiteral("an equation is not named by its text id"));
        const QString id = entry.toString();
        if (read.set.equations.contains(id) || read.set.unknownEquations.contains(id))
            continue;
        (findEquation(id) ? read.set.equations : read.set.unknownEquations) << id;
    }
    if (read.set.equations.isEmpty())
        return refused(fileName, QStringLiteral("it names no equation this version knows"));
    for (auto it = top.begin(); it != top.end(); ++it)
        if (!Known.contains(it.key()))
            read.set.unknown.insert(it.key(), it.value());
    return read;
}

EquationSetRead readEquationSet(const QString& path)
{
    const activity::TeacherFile file = activity::readTeacherFile(path, LargestEquationSet);
    if (!file.ok())
        return {{}, file.problem};
    return parseEquationSet(file.bytes, QFileInfo(path).fileName());
}

QByteArray equationSetJson(const EquationSet& set)
{
    QJsonObject top = set.unknown;
    top.insert(QStringLiteral("format"), EquationSetFormat);
    top.insert(QStringLiteral("kind"), QStringLiteral("equations"));
    top.insert(QStringLiteral("title"), set.title);
    top.insert(QStringLiteral("level"), set.level);
    top.insert(QStringLiteral("equations"), QJsonArray::fromStringList(set.equations + set.unknownEquations));
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

const activity::OwnKind& ownEquationSetKind()
{
    static const activity::OwnKind kind{
        EquationSetExtension,
        QStringLiteral("New equation set"),
        [](const QString& path) {
            const EquationSetRead read = readEquationSet(path);
            return read.ok() ? activity::OwnSummary{read.set.title, {}}
                             : activity::OwnSummary{{}, QStringLiteral("cannot be opened: %1").arg(read.problem)};
        },
        [](forms::Screens& screens, const QString& path) {
            const EquationSetRead read = readEquationSet(path);
            if (!read.ok())
                return read.problem;
            if (!screens.knows(EquationDrillId))
                addEquationDrill(screens);
            auto& drill = screens.get<EquationDrill>(EquationDrillId);
            drill.play(read.set.equations, read.set.level, read.set.title);
            screens.show(EquationDrillId);
            return QString();
        },
        [](forms::Screens& screens, const QString& path, const QString& folder, bool readOnly) {
            if (!screens.knows(EquationChoiceId))
                addEquationChoice(screens);
            screens.get<EquationChoice>(EquationChoiceId).editSet(path, folder, readOnly);
            screens.show(EquationChoiceId);
        },
    };
    return kind;
}

} // namespace calculations
