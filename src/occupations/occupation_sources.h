// The notices the data sets behind the occupations ask for, each in English as
// its owners word it and then in Italian: shown by the professions help page
// and the manual page, and pointed to by the professions sheet.
#pragma once

#include <array>
#include <string_view>

namespace tipolab {

inline constexpr std::array<std::string_view, 8> kOccupationNotices = {
    "This product includes information from the O*NET 30.2 Database by the U.S. Department of "
    "Labor, Employment and Training Administration (USDOL/ETA). Used under the CC BY 4.0 license "
    "(https://creativecommons.org/licenses/by/4.0/). O*NET\u00ae is a trademark of USDOL/ETA. "
    "Tipolab has modified all or some of this information. USDOL/ETA has not approved, endorsed, "
    "or tested these modifications.",
    "Questo prodotto contiene informazioni tratte dalla banca dati O*NET 30.2 del Dipartimento "
    "del Lavoro degli Stati Uniti, Employment and Training Administration (USDOL/ETA), usate "
    "secondo la licenza CC BY 4.0. O*NET\u00ae \u00e8 un marchio di USDOL/ETA. Tipolab ha "
    "modificato in tutto o in parte queste informazioni (titoli e descrizioni tradotti, "
    "professioni collegate ai gruppi ISCO-08); USDOL/ETA non ha approvato, sostenuto n\u00e9 "
    "verificato queste modifiche.",
    "This service uses the ESCO classification of the European Commission.",
    "Questo servizio usa la classificazione ESCO della Commissione europea: i nomi italiani dei "
    "gruppi ISCO-08 vengono da ESCO, a volte in forma adattata.",
    "ISCO-08 x SOC 2010 Crosswalk: U.S. Bureau of Labor Statistics.",
    "La corrispondenza tra ISCO-08 e SOC 2010 \u00e8 del Bureau of Labor Statistics degli Stati "
    "Uniti.",
    "ESCO-O*NET crosswalk: Kanders, K., Djumalieva, J., Sleeman, C. and Orlik, J. (2020), "
    "Mapping Career Causeways, Nesta (MIT license).",
    "Dove una professione porta a pi\u00f9 gruppi ISCO-08, la scelta si appoggia alla "
    "corrispondenza ESCO-O*NET di Nesta (Kanders, Djumalieva, Sleeman, Orlik, 2020, Mapping "
    "Career Causeways, licenza MIT).",
};

} // namespace tipolab
