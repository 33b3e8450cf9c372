#include "statements/ownquiz.h"
#include "activity/teacherfile.h"
#include "activity/teacherwrite.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

#include <algorithm>

namespace statements {

namespace {

const QStringList KnownTop{"format", "kind", "title", "instruction", "choices", "statements"};
const QStringList KnownStatement{"text", "answer", "reason"};
constexpr QLatin1StringView TextKey("text"), AnswerKey("answer"), ReasonKey("reason");

QJsonObject unknownOf(const QJsonObject& object, const QStringList& known)
{
    QJsonObject unknown;
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            unknown.insert(it.key(), it.value());
    return unknown;
}

// The file's text, or why it is no quiz at all.
QString refusal(const QByteArray& bytes, const QString& name)
{
    if (bytes.trimmed().isEmpty())
        return QStringLiteral("%1 is empty").arg(name);
    if (bytes.contains('\0'))
        return QStringLiteral("%1 is not a text file").arg(name);
    QStringDecoder decode(QStringDecoder::Utf8);
    (void)QString(decode(bytes));
    if (decode.hasError())
        return QStringLiteral("%1 is not UTF-8 text").arg(name);
    return {};
}

// The top of the file, or why it cannot be read as a quiz of this version.
QString headProblem(const QJsonObject& top, const QString& name)
{
    if (!top.value("format").isDouble())
        return QStringLiteral("%1 has no format number: it is not a quiz file").arg(name);
    const int format = top.value("format").toInt();
    if (format > OwnQuizFormat)
        return QStringLiteral("%1 needs a newer version of the program (its format is %2)").arg(name).arg(format);
    if (format < 1)
        return QStringLiteral("%1 has an unknown format number (%2)").arg(name).arg(format);
    if (top.value("kind").toString() != QStringLiteral("statements"))
        return QStringLiteral("%1 is not a true/false quiz (its kind is \"%2\")").arg(name, top.value("kind").toString());
    if (!top.value("choices").isArray())
        return QStringLiteral("%1 has no list of choices").arg(name);
    return {};
}

// A field as the editor shows it: text as it is, anything else as written
// ("42", "true"), so that the teacher sees what is there to mend.
QString shown(const QJsonValue& value)
{
    if (value.isString() || value.isUndefined())
        return value.toString();
    const QByteArray list = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(list.mid(1, list.size() - 2)); // without the list's brackets
}

OwnStatement statementOf(const QJsonValue& value)
{
    if (!value.isObject()) // a bare string is shown as the statement it most likely is
        return {shown(value), {}, {}, {}};
    const QJsonObject object = value.toObject();
    const QJsonValue text = object.value(TextKey), answer = object.value(AnswerKey), reason = object.value(ReasonKey);
    // Most statements hold nothing else: they are not searched for what this program does not know.
    const bool onlyKnown = object.size() == int(!text.isUndefined()) + int(!answer.isUndefined()) + int(!reason.isUndefined());
    return {shown(text), shown(answer), shown(reason), onlyKnown ? QJsonObject() : unknownOf(object, KnownStatement)};
}

} // namespace

QString statementShapeProblem(const QJsonValue& statement)
{
    if (!statement.isObject())
        return QStringLiteral("not a statement (expected \"text\", \"answer\" and \"reason\")");
    const QJsonObject object = statement.toObject();
    const QJsonValue text = object.value(TextKey), answer = object.value(AnswerKey), reason = object.value(ReasonKey);
    if (!text.isUndefined() && !text.isString())
        return QStringLiteral("the statement is not text");
    if (!text.isString())
        return QStringLiteral("no statement text");
    if (!answer.isUndefined() && !answer.isString())
        return QStringLiteral("the answer is not text");
    if (!answer.isString())
        return QStringLiteral("no answer");
    if (!reason.isUndefined() && !reason.isString())
        return QStringLiteral("the reason is not text");
    return {};
}

bool sameAnswer(const QString& a, const QString& b) { return answerKey(a) == answerKey(b); }

QString choicesProblem(const QStringList& choices)
{
    if (choices.size() < FewestChoices || choices.size() > MostChoices)
        return QStringLiteral("there must be %1 to %2 choices").arg(FewestChoices).arg(MostChoices);
    for (int k = 0; k < int(choices.size()); ++k) {
        if (answerKey(choices[k]).isEmpty())
            return QStringLiteral("choice %1 has no name").arg(k + 1);
        for (int j = 0; j < k; ++j)
            if (sameAnswer(choices[j], choices[k]))
                return QStringLiteral("two choices are both \"%1\"").arg(choices[k]);
    }
    return {};
}

int StatementKeys::of(const QString& text)
{
    int& number = numbers_[text]; // held one more than it is: 0 for a text not seen before
    if (number == 0)
        number = int(numbers_.size());
    return number - 1;
}

StatementCheck::StatementCheck(const QStringList& choices, StatementKeys* keys)
    : choices_(choices),
      pastTheMost_(QStringLiteral("more than %1 statements: this one is not played").arg(MostStatements)),
      texts_(keys)
{
    for (const QString& choice : choices)
        keys_ << answerKey(choice);
}

namespace {

// Already as simplified() would make it: no space at either end, none doubled, no other white space.
bool isSimple(const QString& text)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return text.isEmpty();
    for (qsizetype k = 0; k < text.size(); ++k)
        if (text[k].isSpace() && (text[k] != QLatin1Char(' ') || text[k + 1] == QLatin1Char(' ')))
            return false;
    return true;
}

} // namespace

StatementCheck::Own StatementCheck::own(const QString& text, const QString& answer)
{
    const QString simple = isSimple(text) ? text : text.simplified();
    if (simple.isEmpty())
        return {QStringLiteral("no statement")};
    if (answer.trimmed().isEmpty())
        return {QStringLiteral("no answer: choose one of %1").arg(choices_.join(", "))};
    // A quiz's answers are mostly one of a few words, written alike: each is keyed once.
    if (answer != lastAnswer_) {
        lastAnswer_ = answer;
        lastIsAChoice_ = keys_.contains(answerKey(answer));
    }
    if (!lastIsAChoice_)
        return {QStringLiteral("the answer \"%1\" is not one of: %2").arg(answer.trimmed(), choices_.join(", "))};
    if (texts_)
        return {{}, {}, texts_->of(simple.toLower())};
    return {{}, simple.toLower()};
}

QString StatementCheck::next(const Own& statement)
{
    ++number_;
    if (!statement.problem.isEmpty())
        return statement.problem;
    const bool numbered = statement.number >= 0;
    int first = 0;
    if (numbered && statement.number < int(seenAt_.size()))
        first = seenAt_[std::size_t(statement.number)];
    else if (const auto before = seen_.constFind(statement.key); !numbered && before != seen_.constEnd())
        first = *before;
    if (first > 0)
        return QStringLiteral("the same statement as number %1").arg(first);
    if (played_ >= MostStatements)
        return pastTheMost_;
    if (numbered) {
        seenAt_.resize(std::max(seenAt_.size(), std::size_t(statement.number) + 1), 0);
        seenAt_[std::size_t(statement.number)] = number_;
    } else {
        seen_.insert(statement.key, number_);
    }
    ++played_;
    return {};
}

QuizRead parseOwnQuiz(const QByteArray& bytes, const QString& fileName)
{
    QuizRead read;
    read.problem = refusal(bytes, fileName);
    if (!read.ok())
        return read;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        read.problem = QStringLiteral("%1 is not a quiz file (%2)")
                           .arg(fileName, error.error != QJsonParseError::NoError ? error.errorString()
                                                                                   : QStringLiteral("not a JSON object"));
        return read;
    }
    const QJsonObject top = document.object();
    read.problem = headProblem(top, fileName);
    if (!read.ok())
        return read;
    OwnQuiz& quiz = read.quiz;
    quiz.title = top.value("title").toString();
    quiz.instruction = top.value("instruction").toString();
    quiz.unknown = unknownOf(top, KnownTop);
    quiz.choices.clear();
    for (const QJsonValue& choice : top.value("choices").toArray())
        quiz.choices << choice.toString();
    if (const QString why = choicesProblem(quiz.choices); !why.isEmpty()) {
        read.problem = QStringLiteral("%1: %2").arg(fileName, why);
        return read;
    }
    StatementCheck check(quiz.choices);
    for (const QJsonValue& value : top.value("statements").toArray()) {
        QString why = statementShapeProblem(value);
        quiz.statements.push_back(statementOf(value));
        OwnStatement& s = quiz.statements.back();
        if (why.isEmpty())
            why = check.next(s.text, s.answer);
        else
            check.skip();
        if (!why.isEmpty()) {
            s.asRead = value;
            read.skipped.push_back({int(quiz.statements.size()), why});
        }
    }
    return read;
}

QuizRead readOwnQuiz(const QString& path)
{
    const activity::TeacherFile file = activity::readTeacherFile(path, LargestQuizFile);
    if (!file.ok()) {
        QuizRead refused;
        refused.problem = file.problem;
        return refused;
    }
    return parseOwnQuiz(file.bytes, QFileInfo(path).fileName());
}

QByteArray ownQuizJson(const OwnQuiz& quiz)
{
    QJsonObject top = quiz.unknown;
    top.insert("format", OwnQuizFormat);
    top.insert("kind", QStringLiteral("statements"));
    top.insert("title", quiz.title);
    top.insert("instruction", quiz.instruction);
    top.insert("choices", QJsonArray::fromStringList(quiz.choices));
    QJsonArray statements;
    for (const OwnStatement& s : quiz.statements) {
        if (!s.asRead.isUndefined()) {
            statements.append(s.asRead);
            continue;
        }
        QJsonObject object = s.unknown;
        object.insert("text", s.text);
        object.insert("answer", s.answer);
        object.insert("reason", s.reason);
        statements.append(object);
    }
    top.insert("statements", statements);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString writeOwnQuiz(const QString& path, const OwnQuiz& quiz) { return activity::saveOrSayWhy(path, ownQuizJson(quiz)); }

StatementSet playableSet(const QuizRead& read, const QString& fileName, const QStringList& choices)
{
    StatementSet set;
    set.file = fileName;
    set.builtIn = false;
    set.skipped = read.skipped;
    std::size_t next = 0;
    for (int k = 0; k < int(read.quiz.statements.size()); ++k) {
        const OwnStatement& s = read.quiz.statements[std::size_t(k)];
        const auto choice = std::find_if(choices.begin(), choices.end(), [&](const QString& c) { return sameAnswer(c, s.answer); });
        if (next < read.skipped.size() && read.skipped[next].line == k + 1) {
            ++next;
            continue;
        }
        if (choice == choices.end()) // the file changed under the screen: its choices are not these
            set.skipped.push_back({k + 1, StatementCheck(choices).next(s.text, s.answer)});
        else
            set.statements.push_back({s.text.simplified(), int(choice - choices.begin()), s.reason.simplified(), k + 1});
    }
    for (const Skipped& skipped : set.skipped)
        set.problems << QStringLiteral("%1: statement %2 skipped: %3").arg(fileName).arg(skipped.line).arg(skipped.why);
    if (!set.skipped.empty()) {
        set.notice = QStringLiteral("Statement %1 of %2 was skipped: %3")
                         .arg(set.skipped.front().line)
                         .arg(fileName, set.skipped.front().why);
        if (set.skipped.size() > 1)
            set.notice += QStringLiteral(" (and %1 more)").arg(set.skipped.size() - 1);
    }
    return set;
}

StatementSet ownQuizSet(const QString& path, const QStringList& choices)
{
    const QString name = QFileInfo(path).fileName();
    const QuizRead read = readOwnQuiz(path);
    if (read.ok())
        return playableSet(read, name, choices);
    StatementSet none;
    none.file = name;
    none.builtIn = false;
    none.notice = read.problem;
    none.problems << read.problem;
    return none;
}

} // namespace statements
