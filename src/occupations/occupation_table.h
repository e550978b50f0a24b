// The occupations the professions are drawn from: the 923 occupations of
// O*NET 30.2 with interest scores, each with our Italian title and
// description, the ISCO-08 unit group chosen for it with ESCO's Italian name,
// the group's skill level, its six interest scores and its high-point letters.
// The table is generated at build time from data/occupations and lives in the
// program as constant data: nothing is read or built before it is first asked for.
#pragma once

#include "core/model.h"

#include <array>
#include <span>
#include <string_view>

namespace tipolab {

struct Occupation {
    std::string_view code;        // O*NET-SOC 2019, "29-1141.00"
    std::string_view title;       // Italian
    std::string_view description; // Italian, one or two sentences
    std::string_view group;       // ISCO-08 unit group, "2221"
    std::string_view groupName;   // its Italian name in ESCO
    int level = 1;                // ISCO-08 skill level of the group, 1..4
    // The Occupational Interest scores (1..7) in hundredths, type order R I A S E C.
    std::array<int, kTypeCount> scores{};
    std::string_view letters; // high-point letters, most important first: "SIC", "EC"
};

inline constexpr int kOccupationLevelCount = 4;

// Every occupation, in O*NET-SOC code order.
std::span<const Occupation> occupations();

// "1 \u2013 scuola dell'obbligo" .. "4 \u2013 laurea": what a skill level asks of
// schooling, in the Italian school system's words. Levels outside 1..4 give "".
std::string_view levelName(int level);

} // namespace tipolab
