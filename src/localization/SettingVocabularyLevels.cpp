// Graded values: three steps and ten numbered levels.
#include "localization/SettingVocabulary.h"

namespace text {

// clang-format off
const VocabularyItems<3> g_strLowMediumHigh = {{
    {"Low", "Medium", "High"},
    {"Faible", "Moyen", "Élevé"},
    {"Niedrig", "Mittel", "Hoch"},
    {"Basso", "Medio", "Alto"},
    {"低", "中", "高"},
    {"낮음", "중간", "높음"},
    {"Bajo", "Medio", "Alto"},
    {"Laag", "Gemiddeld", "Hoog"},
    {"Низкий", "Средний", "Высокий"},
    {"低", "中", "高"},
    {"Matala", "Keskitaso", "Korkea"},
}};

// Each script places the number its own way; Dutch shares the French word.
const VocabularyItems<10> g_strLevels = {{
    {"Level 1", "Level 2", "Level 3", "Level 4", "Level 5",
     "Level 6", "Level 7", "Level 8", "Level 9", "Level 10"},
    {"Niveau 1", "Niveau 2", "Niveau 3", "Niveau 4", "Niveau 5",
     "Niveau 6", "Niveau 7", "Niveau 8", "Niveau 9", "Niveau 10"},
    {"Stufe 1", "Stufe 2", "Stufe 3", "Stufe 4", "Stufe 5",
     "Stufe 6", "Stufe 7", "Stufe 8", "Stufe 9", "Stufe 10"},
    {"Livello 1", "Livello 2", "Livello 3", "Livello 4", "Livello 5",
     "Livello 6", "Livello 7", "Livello 8", "Livello 9", "Livello 10"},
    {"レベル1", "レベル2", "レベル3", "レベル4", "レベル5",
     "レベル6", "レベル7", "レベル8", "レベル9", "レベル10"},
    {"1단계", "2단계", "3단계", "4단계", "5단계", "6단계", "7단계", "8단계", "9단계", "10단계"},
    {"Nivel 1", "Nivel 2", "Nivel 3", "Nivel 4", "Nivel 5",
     "Nivel 6", "Nivel 7", "Nivel 8", "Nivel 9", "Nivel 10"},
    {"Niveau 1", "Niveau 2", "Niveau 3", "Niveau 4", "Niveau 5",
     "Niveau 6", "Niveau 7", "Niveau 8", "Niveau 9", "Niveau 10"},
    {"Уровень 1", "Уровень 2", "Уровень 3", "Уровень 4", "Уровень 5",
     "Уровень 6", "Уровень 7", "Уровень 8", "Уровень 9", "Уровень 10"},
    {"1 级", "2 级", "3 级", "4 级", "5 级", "6 级", "7 级", "8 级", "9 级", "10 级"},
    {"Taso 1", "Taso 2", "Taso 3", "Taso 4", "Taso 5",
     "Taso 6", "Taso 7", "Taso 8", "Taso 9", "Taso 10"},
}};
// clang-format on

}  // namespace text
