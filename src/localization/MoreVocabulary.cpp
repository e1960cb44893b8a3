#include "localization/SettingVocabulary.h"

namespace text {

const VocabularyRow g_strMore = {"More...",    "Plus...",  "Mehr...",   "Altro...", "その他...", "더 보기...",
                                 "Más...",     "Meer...",  "Ещё...",    "更多...",  "Enemmän\u2026"};

}  // namespace text
