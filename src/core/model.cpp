#include "model.h"

#include <array>
#include <cassert>

namespace tipolab {
namespace {

constexpr std::array<std::string_view, kTypeCount> kTypeNames = {
    "REALISTA", "INVESTIGATIVO", "ARTISTICO", "SOCIALE", "INTRAPRENDENTE", "CONVENZIONALE"};

constexpr std::array<std::array<std::string_view, kCharacteristicCount>, kTypeCount> kNames = {{
    {"asociale", "conformista", "schietto", "autentico", "virile", "spontaneo", "tenace", "pratico",
     "appartato", "stabile", "sobrio", "non intuitivo"},
    {"analitico", "cauto", "critico", "curioso", "indipendente", "introspettivo e introverso",
     "metodico", "passivo", "preciso e razionale", "riservato", "modesto", "impopolare"},
    {"complicato", "disordinato", "emotivo", "raffinato", "idealista", "immaginativo", "impulsivo",
     "indipendente", "introspettivo", "intuitivo", "anticonformista", "originale"},
    {"cooperativo", "fine", "amichevole", "generoso", "protettivo", "idealista", "intuitivo",
     "gentile", "persuasivo", "responsabile", "socievole", "pieno di tatto e comprensivo"},
    {"avventuroso", "ambizioso", "desideroso di guadagno", "polemico", "autoritario", "energico",
     "esibizionista", "impulsivo", "ottimista", "compiacente", "sicuro di s\u00e8",
     "comunicativo e loquace"},
    {"sottomesso", "coscienzioso", "difensivo", "efficiente", "inflessibile", "inibito",
     "ubbidiente", "ordinato", "tenace", "pratico", "austero e controllato", "non fantasioso"},
}};

struct Step {
    std::string_view word;
    std::string_view caption;
    std::string_view tooltip;
};

// Captions carry trailing blanks that pad them to roughly equal length.
constexpr std::array<Step, kStepCount> kSteps = {{
    {"massimo", "1 = massimo          ",
     "\u00e8 il massimo giudizio esprimibile, la migliore condizione valutabile"},
    {"quasi massimo", "2 = quasi massimo",
     "\u00e8 il secondo giudizio esprimibile in ordine di qualit\u00e0"},
    {"molto", "3 = molto               ",
     "\u00e8 il terzo giudizio esprimibile in ordine di qualit\u00e0"},
    {"abbastanza", "4 = abbastanza     ",
     "\u00e8 il quarto giudizio esprimibile in ordine di qualit\u00e0"},
    {"leggermente", "5 = leggermente   ",
     "\u00e8 il quinto giudizio esprimibile in ordine di qualit\u00e0"},
    {"medio", "6 = medio             ",
     "\u00e8 il sesto giudizio esprimibile in ordine di qualit\u00e0, il limite tra il positivo e "
     "il negativo"},
    {"poco", "7 = poco              ",
     "\u00e8 il settimo giudizio in ordine di qualit\u00e0, valuta una situazione che comincia ad "
     "essere negativa"},
    {"molto poco", "8 = molto poco      ",
     "\u00e8 l'ottavo giudizio in ordine di qualit\u00e0, la situazione viene valutata "
     "negativamente"},
    {"quasi minimo", "9 = quasi minimo   ",
     "\u00e8 il nono giudizio in ordine di qualit\u00e0, la situazione viene valutata in modo "
     "molto "
     "negativo"},
    {"minimo", "10 = minimo            ",
     "\u00e8 il decimo giudizio in ordine di qualit\u00e0, la situazione viene valutata con "
     "requisiti appena percepibili"},
    {"nullo", "11 = nullo              ",
     "\u00e8 l'ultimo giudizio in ordine di qualit\u00e0, il pi\u00f9 negativo, manca qualsiasi "
     "requisito valutabile"},
}};

} // namespace

std::string_view typeName(int t)
{
    assert(t >= 1 && t <= kTypeCount);
    return kTypeNames[t - 1];
}

std::string_view characteristicName(int t, int c)
{
    assert(t >= 1 && t <= kTypeCount && c >= 1 && c <= kCharacteristicCount);
    return kNames[t - 1][c - 1];
}

std::string_view stepWord(int n)
{
    assert(n >= 1 && n <= kStepCount);
    return kSteps[n - 1].word;
}

std::string_view stepCaption(int n)
{
    assert(n >= 1 && n <= kStepCount);
    return kSteps[n - 1].caption;
}

std::string_view stepTooltip(int n)
{
    assert(n >= 1 && n <= kStepCount);
    return kSteps[n - 1].tooltip;
}

float stepCoefficient(int n)
{
    return static_cast<float>(11 - n) / 10.0f;
}

int stepOfWord(std::string_view word)
{
    for (int n = 1; n <= kStepCount; ++n)
        if (kSteps[n - 1].word == word) return n;
    return 0;
}

int defaultWeight(int c)
{
    return c < 5 ? 9 : 8;
}

} // namespace tipolab
