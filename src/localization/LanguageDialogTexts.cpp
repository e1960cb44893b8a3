// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/LanguageDialogTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

constexpr const char* kApplyEnglish = "Apply To Voice Prompt Language";

constexpr TextRow kApplyToVoicePrompt = {
    kApplyEnglish,
    "Appliquer au Language du Message Guidé Parlé",
    "Auf Sprachansage Sprachwahl anwenden",
    "Appl. a Lingua Messaggio Vocale",
    "音声プロンプト言語に適用",
    "음성안내 언어에 적용",
    "Aplicar a idioma del mensaje de voz",
    kApplyEnglish,
    kApplyEnglish,
    kApplyEnglish,
    kApplyEnglish,
};

}  // namespace

std::string GetApplyToVoicePromptText(int language) { return Pick(kApplyToVoicePrompt, language); }

}  // namespace text
