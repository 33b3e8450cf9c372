#include "app/guidepages.h"
#include "activity/catalogue.h"

#include <algorithm>

namespace app {

namespace {

// An activity's name, as its menu and the catalogue give it.
QString topicTitle(int menu, int row) { return activity::topicAt(menu, row)->title; }

constexpr float RulesTop = 1200, RulesBottom = 8280;

// A rule down the whole table.
GuideRule full(float x) { return {x, RulesTop, RulesBottom}; }

const std::vector<QString> ActivityColumns{"Activity", "Description", "Notes", "Options"};

// The class answers a true-or-false activity by where it stands in the room.
const QString TrueFalseContinuum =
    "On one side of the classroom pin up the word 'TRUE' and on the other side the word 'FALSE'. "
    "Pupils stand along the line between them to show how sure they are about each statement.";

const QString LabelsScore = "When all the labels are in position, the scores can be checked.";
const QString WhiteboardAnswer = "Individual white boards can be used to display each answer.";

} // namespace

const GuideIntro& guideIntro()
{
    static const GuideIntro intro{
        "If you have any difficulty installing or using Physics Year 10 Tavrenel, please contact "
        "Quorvanta Customer Support by e-mail at support@quorvanta.example or by telephone on 01632 960417.",
        "Contact Details:",
        "Quorvanta Learning Ltd\n"
        "Unit 7, Lantern Yard\n"
        "Kettleby Road\n"
        "Amberford\n"
        "QV7 2LN",
        "Tel: 01632 960417\n"
        "Fax: 01632 960418\n"
        "E-mail: support@quorvanta.example\n"
        "Web: www.quorvanta.example",
        "This software is designed for use with an Interactive Whiteboard or projected onto a screen or "
        "ordinary whiteboard via a data projector. Some activities lend themselves to students working on "
        "individual whiteboards allowing them to display their solutions when found. The activities provide "
        "a variety of mental warm-ups and are suitable for students at KS4. For some of the activities the "
        "questions are randomly generated. For each question, clicking the Answer button will display an "
        "answer and clicking the Next button will produce another question.",
        "The opening screen provides links to the five Activity menus. Details about each of these "
        "activities are given on the following pages of this Teachers' Guide.",
        "Open Teachers' Guide as a Word Document",
    };
    return intro;
}

const std::array<GuidePage, 6>& guidePages()
{
    static const std::array<GuidePage, 6> pages{{
        {"TeacherGuide0", "Page 1 of 6", {}, {}},

        {"TeacherGuide1", "Page 2 of 6", "Menu 1",
         {{"Activity", "Description", "Options"},
          {full(120), full(1680), full(4920), full(11880)},
          {1200, 3000, 4020, 5580, 6600, 8280},
          {{topicTitle(1, 0),
            "Label a diagram showing a convection current in a beaker. When all the labels have been put "
            "into position, the score can be checked.",
            "Small groups of pupils could perform the practical as an extension activity. A crystal of "
            "potassium permanganate dropped into one side of a beaker of cold water and gently heated "
            "beneath that side shows the purple current rising above the flame, crossing the top and "
            "sinking on the far side."},
           {topicTitle(1, 1),
            "Pupils decide the truth of statements about radiation, conduction and convection.",
            "Read each statement out, if the pupils think it is true, ask them to put their thumbs up; if "
            "they think it is false put their thumbs down."},
           {topicTitle(1, 2),
            "Label diagrams of how heat loss can be explained and reduced. The diagrams show a Leslie's "
            "cube, thermos flask and a house.",
            "Extension - The Leslie's cube could be demonstrated in the class. Fill it with hot water and "
            "hold a thermometer or infrared sensor the same distance from each face: the dull black face "
            "radiates most and the shiny silver face least."},
           {topicTitle(1, 3),
            "Pupils find the missing energy on an energy transfer diagram.",
            "Extension - When the correct answer has been chosen, the efficiency of the system could be "
            "calculated.\n(Efficiency = useful energy output/energy input)"},
           {topicTitle(1, 4),
            "Pupils calculate the work done, efficiency or energy output. Clicking the answer button "
            "shows how the answer is worked out.",
            "Give pupils A4 whiteboards, washable pens and erasers. Ask them to write their answer on their "
            "board and hold it up together, so the teacher gets instant feedback and can see at a glance "
            "who needs help."}}}},

        {"TeacherGuide2", "Page 3 of 6", "Menu 2",
         {ActivityColumns,
          {full(120), full(1680), full(5400), {8280, RulesTop, 5370}, full(11880)},
          {1200, 2520, 4080, 5370, 6690, 8280},
          {{topicTitle(2, 0),
            "Drag and drop activity, in which pupils match the names of the different processes in the "
            "generation of electricity.",
            LabelsScore,
            "Pupils could summarise the diagram in a flow chart."},
           {topicTitle(2, 1),
            "Pupils consider a fictitious island. They drag and drop electricity generation labels onto the "
            "most appropriate parts of the island.",
            LabelsScore,
            "Extension - Give pupils a map of the UK. Ask them to mark where each kind of power station "
            "could be sited."},
           {topicTitle(2, 2),
            "Complete a table matching energy sources with an explanation of how it is used to make "
            "electricity.",
            LabelsScore,
            "Pupils could use the internet to find real life examples of each energy source being used."},
           {topicTitle(2, 3),
            "Statements about different energy sources are displayed. Pupils decide whether each "
            "statement is true or false.",
            TrueFalseContinuum},
           {topicTitle(2, 4),
            "Pupils calculate the energy used or cost for using different electrical appliances. Level 1 "
            "offers questions with numbers that are easier to manipulate.",
            "Give the pupils A4 whiteboards, washable pens and erasers. Ask them to write their answer on "
            "their board and show the teacher; answers should give the units, kilowatt-hours or pence, "
            "as well as the number."}}}},

        {"TeacherGuide3", "Page 4 of 6", "Menu 3",
         {ActivityColumns,
          {full(120), full(2040), full(5400), full(8520), full(11880)},
          {1200, 2760, 4080, 5640, 7200, 8280},
          {{topicTitle(3, 0),
            "Drag and drop activity to label the features of a wave.",
            LabelsScore,
            "An oscilloscope could be used to display the shapes of sound waves picked up by a microphone."},
           {topicTitle(3, 1),
            "Pupils calculate the frequency or wavelength of different waves.",
            "When the answer button is clicked, the program shows how the answer is calculated.",
            WhiteboardAnswer},
           {topicTitle(3, 2),
            "Drag and drop to label the different parts of the electromagnetic spectrum.",
            LabelsScore,
            "Small groups of pupils could work at the board to complete the task. The team that completes "
            "the activity quickest could be given a prize."},
           {topicTitle(3, 3),
            "Different types of electromagnetic radiation have different uses. Pupils match the radiation "
            "to its use.",
            "When the pupil clicks an answer, the program will tell the pupil whether or not they are "
            "correct. If they are wrong they can try another answer.",
            WhiteboardAnswer},
           {topicTitle(3, 4),
            "Drag and drop labelling of a diagram showing how sound waves travel into the ear.",
            LabelsScore,
            "Longitudinal waves, such as sound waves, can be explained using a slinky."}}}},

        {"TeacherGuide4", "Page 5 of 6", "Menu 4",
         {ActivityColumns,
          {full(120), full(1800), full(5280), {8400, RulesTop, 2400}, {8400, 5220, 6600}, full(11880)},
          {1200, 2400, 3840, 5220, 6600, 8280},
          {{topicTitle(4, 0),
            "Drag and drop activity to label an atom.",
            "When all the labels have been put into position, the score can be checked.",
            "This activity links well with the Chemistry component of their course."},
           {topicTitle(4, 1),
            "Different statements about radiation are shown. Pupils must select the type of radiation to "
            "which the statements refer.",
            "Give pupils red, yellow and green cards. Give each type of radiation a colour. Pupils then "
            "indicate their answer by showing one of the coloured cards."},
           {topicTitle(4, 2),
            "Drag and drop to label a pie chart showing the sources of background radiation.",
            "Different areas and lifestyles mean that people are exposed to different amounts of background "
            "radiation. Pupils could be asked to find out which parts of the UK have high background "
            "radiation and why."},
           {topicTitle(4, 3),
            "Drag and drop to match units with their symbols. When all the labels are in position, the "
            "scores can be checked.",
            "Level 1 includes units that are used in Year 10, Level 2 also includes units that are used in "
            "Year 11.",
            "Different pieces of equipment that are used to measure each type of unit could be shown to the "
            "pupils."},
           {topicTitle(4, 4),
            "Pupils calculate the moment, distance or force for different systems. When the answer button is "
            "clicked, the program shows how to do the calculation.",
            "Give the pupils A4 whiteboards, washable pens and erasers. Ask the pupils to write their answer "
            "on their board and show the teacher.  If they are unsure they could refer to their books or wait "
            "until other pupils have written their responses - as it is not a test. This provides the "
            "teacher with instant feedback."}}}},

        {"TeacherGuide5", "Page 6 of 6", "Menu 5",
         {ActivityColumns,
          {full(120), full(1560), full(4320), {8520, RulesTop, 4560}, full(11880)},
          {1200, 2640, 4560, 5640, 6960, 8280},
          {{topicTitle(5, 0),
            "Different statements about telescopes are shown to the pupils in turn.",
            "Pupils must decide whether a statement refers to land-based or space-based telescopes and "
            "whether it is an advantage or a disadvantage.",
            WhiteboardAnswer},
           {topicTitle(5, 1),
            "Drag and drop to match photographs of various celestial bodies.",
            "There are three menus, showing images produced with the naked eye, an amateur telescope and "
            "the Hubble Space Telescope. When all the labels are in position, the scores can be checked.",
            "Pupils could investigate other images of celestial objects on the internet, and compare what "
            "the naked eye, a school telescope and a space telescope can show."},
           {topicTitle(5, 2),
            "Pupils decide whether statements are true or false.",
            "Read each statement out, if the pupils think it is true, ask them to put their thumbs up; if "
            "they think it is false put their thumbs down. Level 1 questions are easier than level 2."},
           {topicTitle(5, 3),
            "Pupils drag and drop labels onto a moving diagram of polar and geostationary satellites.",
            "Pupils could find out about real life examples of how satellites impinge on their lives (e.g. "
            "mobile phones, GPS, weather forecasts)."},
           {topicTitle(5, 4),
            "Pupils read a statement and then decide whether they think it is true or false.",
            TrueFalseContinuum}}}},
    }};
    return pages;
}

std::vector<forms::TwipRect> guideColumns(const GuideTable& table)
{
    std::vector<float> xs;
    for (const GuideRule& rule : table.verticalRules)
        xs.push_back(rule.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<forms::TwipRect> columns;
    if (table.horizontalRules.size() < 2)
        return columns;
    const float top = table.horizontalRules.front(), bottom = table.horizontalRules.back();
    for (std::size_t i = 1; i < xs.size(); ++i)
        columns.push_back({xs[i - 1], top, xs[i] - xs[i - 1], bottom - top});
    return columns;
}

std::vector<forms::TwipRect> guideCells(const GuideTable& table, int row)
{
    std::vector<forms::TwipRect> cells;
    const auto r = static_cast<std::size_t>(row);
    if (row < 0 || r + 1 >= table.horizontalRules.size())
        return cells;
    const float top = table.horizontalRules[r], bottom = table.horizontalRules[r + 1];
    const float middle = (top + bottom) / 2;
    std::vector<float> xs;
    for (const GuideRule& rule : table.verticalRules)
        if (rule.top <= middle && middle <= rule.bottom)
            xs.push_back(rule.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    for (std::size_t i = 1; i < xs.size(); ++i)
        cells.push_back({xs[i - 1], top, xs[i] - xs[i - 1], bottom - top});
    return cells;
}

} // namespace app
