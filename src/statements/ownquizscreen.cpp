#include "statements/ownquizscreen.h"
#include "activity/ownkind.h"
#include "forms/screens.h"
#include "statements/textfit.h"
#include "statements/editor/statementeditor.h"

#include <QFileInfo>

namespace statements {

namespace {

std::vector<Choice> layOut(const QStringList& captions)
{
    if (captions.size() <= 2)
        return choiceRow(captions, 4200, 3000, 600, 1200); // as our true/false quizzes
    if (captions.size() == 3)
        return choiceRow(captions, 4200, 3480, 600, 240);
    const std::vector<Choice> top = choiceRow(captions.mid(0, 2), 4020, 5040, 600, 480);
    const std::vector<Choice> bottom = choiceRow(captions.mid(2, 2), 4740, 5040, 600, 480);
    return {top[0], top[1], bottom[0], bottom[1]};
}

// The largest size, down to a floor, at which every caption fits its button.
double choicePoints(const std::vector<Choice>& choices, double largest)
{
    double points = largest;
    for (const Choice& c : choices) {
        const QRect box = forms::designArea(c.at).adjusted(2, 2, -2, -2);
        points = std::min(points, fitText(c.caption, QStringLiteral("Arial"), true, box.size(), largest, 12).points);
    }
    return points;
}

QString titleOf(const OwnQuiz& quiz, const QString& path)
{
    return quiz.title.simplified().isEmpty() ? QFileInfo(path).completeBaseName() : quiz.title.simplified();
}

} // namespace

QuizData ownQuizData(const OwnQuiz& quiz, const QString& path)
{
    const std::vector<Choice> choices = layOut(quiz.choices);
    QuizData data{OwnQuizId,
                  quiz.instruction.simplified().isEmpty() ? QStringLiteral("Choose the answer.") : quiz.instruction.simplified(),
                  QStringLiteral("Statement"),
                  choices,
                  choicePoints(choices, quiz.choices.size() <= 3 ? 24.0 : 18.0),
                  {},
                  {},
                  quiz.choices.size() <= 3 ? 5640.0f : 5460.0f};
    data.ownFile = path;
    return data;
}

OwnQuizScreen::OwnQuizScreen(forms::Screens& screens, std::shared_ptr<const QuizData> data,
                             std::shared_ptr<const TriedQuiz> tried)
    : StatementQuiz(screens, *data, {}), data_(std::move(data)), tried_(std::move(tried))
{
    if (tried_) {
        teacherCommands(0).hide(); // its editor is open beneath, and "Exit" goes back to it
        return;
    }
    // A teacher's quiz is opened from the list of their activities: "Exit" goes back to it.
    connect(&parts.commands, &forms::GroupSignals::clicked, this, [this](int command) {
        if (command == QuizParts::Exit && this->screens().knows(activity::MyActivitiesId))
            this->screens().show(activity::MyActivitiesId);
    });
}

StatementSet OwnQuizScreen::dealtSet(const QStringList& answers)
{
    return tried_ ? playableSet(tried_->read, tried_->name, answers) : StatementQuiz::dealtSet(answers);
}

namespace {

// Plays `read`: the file's at `path`, read afresh whenever the screen loads,
// or, given `tried`, that quiz as it stands.
QString play(forms::Screens& screens, const QuizRead& read, const QString& path, const QString& name,
             std::shared_ptr<const TriedQuiz> tried = {})
{
    if (!read.ok())
        return read.problem;
    if (int(read.skipped.size()) == int(read.quiz.statements.size()))
        return QStringLiteral("%1 has no statements that can be played yet").arg(name);
    auto data = std::make_shared<const QuizData>(ownQuizData(read.quiz, path));
    const QString title = titleOf(read.quiz, path.isEmpty() ? name : path);
    screens.unload(OwnQuizId);
    screens.add(OwnQuizId, [data, title, tried](forms::Screens& s) {
        auto screen = std::make_unique<OwnQuizScreen>(s, data, tried);
        screen->setCaption(title);
        return screen;
    });
    screens.show(OwnQuizId);
    return {};
}

} // namespace

QString playOwnQuiz(forms::Screens& screens, const QString& path)
{
    return play(screens, readOwnQuiz(path), path, QFileInfo(path).fileName());
}

QString tryOwnQuiz(forms::Screens& screens, const QuizRead& read, const QString& name)
{
    auto tried = std::make_shared<const TriedQuiz>(TriedQuiz{read, name});
    return play(screens, tried->read, {}, name, tried);
}

const activity::OwnKind& ownQuizKind()
{
    static const activity::OwnKind kind{
        OwnQuizExtension,
        QStringLiteral("New true/false quiz"),
        [](const QString& path) {
            const QuizRead read = readOwnQuiz(path);
            if (!read.ok())
                return activity::OwnSummary{{}, QStringLiteral("cannot be opened: ") + read.problem};
            return activity::OwnSummary{titleOf(read.quiz, path), {}};
        },
        &playOwnQuiz,
        [](forms::Screens& screens, const QString& path, const QString& folder, bool readOnly) {
            openQuizEditor(screens, path, folder, activity::MyActivitiesId, readOnly);
        }};
    return kind;
}

} // namespace statements
