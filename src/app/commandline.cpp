#include "app/commandline.h"
#include "app/catalogue.h"
#include "app/guidepages.h"
#include "app/menu.h"
#include "app/myactivities.h"
#include "app/openingscreen.h"
#include "app/titlescreen.h"

#include "forms/screens.h"
#include "labelling/editor/labeleditor.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>

namespace app {

QStringList openableScreens()
{
    QStringList screens{OpeningScreen::Id};
    for (const MenuData& menu : menuTable())
        screens << menu.screen;
    for (const MenuData& menu : menuTable())
        for (const activity::Topic* topic : menu.topics)
            for (const QString& screen : topic->screens)
                screens << screen;
    for (const GuidePage& page : guidePages())
        screens << page.screen;
    screens << MyActivities::Id << labelling::LabelEditorId;
    return screens;
}

StartRequest readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(ProductTitle + QStringLiteral(": warm-up activities for Year 10 physics."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption open(QStringLiteral("open"),
                                  QStringLiteral("Start on SCREEN (a menu, such as menu3, or an activity)."),
                                  QStringLiteral("SCREEN"));
    const QCommandLineOption fit(QStringLiteral("fit"),
                                 QStringLiteral("Fit every screen to the display, keeping its shape, for this "
                                                "run only (\"Fit to Screen\" on the opening screen is remembered)."));
    const QCommandLineOption noFit(QStringLiteral("no-fit"),
                                   QStringLiteral("Show every screen at its design size for this run only, "
                                                  "whatever \"Fit to Screen\" remembers."));
    parser.addOptions({help, version, open, fit, noFit});

    const QString list = QStringLiteral("Screens: ") + openableScreens().join(QStringLiteral(", "));
    if (!parser.parse(arguments))
        return {StartRequest::Action::Refuse, {}, QStringLiteral("tavrenel: %1\n%2").arg(parser.errorText(), list)};
    if (!parser.positionalArguments().isEmpty())
        return {StartRequest::Action::Refuse, {},
                QStringLiteral("tavrenel: unexpected argument '%1'\n%2").arg(parser.positionalArguments().first(), list)};
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // The parser names the program after the running one; name it plainly.
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: tavrenel"));
        return {StartRequest::Action::Help, {}, text + list + QLatin1Char('\n')};
    }
    if (parser.isSet(version))
        return {StartRequest::Action::Version, {}, QStringLiteral("tavrenel %1\n").arg(QStringLiteral(TAVRENEL_VERSION))};
    StartRequest run;
    if (parser.isSet(fit) && parser.isSet(noFit))
        return {StartRequest::Action::Refuse, {},
                QStringLiteral("tavrenel: --fit and --no-fit cannot both be given\n%1").arg(list)};
    if (parser.isSet(fit) || parser.isSet(noFit))
        run.fit = parser.isSet(fit);
    if (parser.isSet(open)) {
        run.screen = parser.value(open);
        if (!openableScreens().contains(run.screen))
            return {StartRequest::Action::Refuse, {},
                    QStringLiteral("tavrenel: there is no screen '%1' to open\n%2").arg(run.screen, list)};
    }
    return run;
}

void showFirstScreen(forms::Screens& screens, const QString& screen)
{
    if (screen.isEmpty()) {
        screens.show(TitleScreen::Id);
        return;
    }
    const bool guidePage = std::any_of(guidePages().begin(), guidePages().end(),
                                       [&](const GuidePage& page) { return page.screen == screen; });
    if (guidePage)
        screens.show(OpeningScreen::Id);
    else if (const activity::Topic* topic = activity::topicOfScreen(catalogue(), screen))
        screens.show(menuTable().at(std::size_t(topic->menu - 1)).screen);
    screens.show(screen);
}

} // namespace app
