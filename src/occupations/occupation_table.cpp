#include "occupation_table.h"

namespace tipolab {

// occupations() is defined by the generated table.

std::string_view levelName(int level)
{
    constexpr std::array<std::string_view, kOccupationLevelCount> names = {
        "1 \u2013 scuola dell'obbligo",
        "2 \u2013 diploma o qualifica professionale",
        "3 \u2013 ITS o formazione terziaria breve",
        "4 \u2013 laurea",
    };
    return level >= 1 && level <= kOccupationLevelCount ? names[level - 1] : std::string_view();
}

} // namespace tipolab
