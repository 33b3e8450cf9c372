#include "activity/catalogue.h"

#include <algorithm>
#include <stdexcept>

namespace activity {

const std::vector<Topic>& catalogue()
{
    using enum Kind;
    static const std::vector<Topic> table{
        // menu row  title                           kind          screens
        {1, 0, "Convection",                   Labelling,    {"convection"}},
        {1, 1, "Heat Transfer",                Statements,   {"heattransfer"}},
        {1, 2, "Insulation",                   Labelling,    {"thermal", "house", "thermos"}, true},
        {1, 3, "Energy Transfer Diagrams",     Statements,   {"energytransfer"}},
        {1, 4, "Efficiency Calculations",      Calculations, {"efficiency"}},
        {2, 0, "Electricity Production",       Labelling,    {"generator"}},
        {2, 1, "Energy Island",                Labelling,    {"energyisland"}},
        {2, 2, "Energy Sources",               Labelling,    {"energysources"}},
        {2, 3, "Analysis of Energy Resources", Statements,   {"resources"}},
        {2, 4, "Energy Calculations",          Calculations, {"energycalc"}},
        {3, 0, "Waves",                        Labelling,    {"waves"}},
        {3, 1, "Calculation of Wave Speed",    Calculations, {"wavespeed"}},
        {3, 2, "Electromagnetic Spectrum",     Labelling,    {"emspectrum"}},
        {3, 3, "Electromagnetic Radiation",    Statements,   {"emradiation"}},
        {3, 4, "Sound",                        Labelling,    {"earsound"}},
        {4, 0, "The Structure of an Atom",     Labelling,    {"atom"}},
        {4, 1, "Types of Radiation",           Statements,   {"radiationtypes"}},
        {4, 2, "Background Radiation",         Labelling,    {"background"}},
        {4, 3, "Units and their Symbols",      Units,        {"symbols"}},
        {4, 4, "Calculating Moments",          Calculations, {"moments"}},
        {5, 0, "Comparing Telescopes",         Statements,   {"telescopes"}},
        {5, 1, "Telescopic Views",             Labelling,    {"nakedeye", "telescope", "hst"}},
        {5, 2, "Gravitation",                  Statements,   {"gravitation"}},
        {5, 3, "Satellites",                   Labelling,    {"satellites"}},
        {5, 4, "The Big Bang",                 Statements,   {"bigbang"}},
    };
    return table;
}

const Topic* topicAt(int menu, int row)
{
    const auto& all = catalogue();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Topic& t) { return t.menu == menu && t.row == row; });
    return it == all.end() ? nullptr : &*it;
}

const Topic& topic(const QString& title)
{
    const auto& all = catalogue();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Topic& t) { return t.title == title; });
    if (it == all.end())
        throw std::logic_error("no topic titled " + title.toStdString());
    return *it;
}

const Topic* topicOf(const QString& screen)
{
    const auto& all = catalogue();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Topic& t) {
        return std::find(t.screens.begin(), t.screens.end(), screen) != t.screens.end();
    });
    return it == all.end() ? nullptr : &*it;
}

} // namespace activity
