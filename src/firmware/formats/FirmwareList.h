#pragma once
// The update server's "Firmware" list: per model the newest firmware version and the server file
// of its image, either one file for every voice prompt or one file per voice-prompt language.
//
//   KEY: vVERSION : FILE                one file
//   KEY: vVERSION : LANGUAGE : FILE     one voice-prompt variant (English language name)
//   KEY: NUMBER                         the sub-number of the version just read
//
// Lines end at line feeds; a line is cut at up to three colons, each searched in what the
// previous one left (a colon standing first ends the cutting, so a file may hold colons).
// Fields are trimmed of white space.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace firmware {

struct FirmwareListVariant {
  std::string fileName;
  std::string language;
};

struct FirmwareListEntry {
  bool found = false;       // the list has an entry for the model
  std::string version;      // the version field without its leading "v"
  std::string fileName;     // the one file, or the first variant's
  std::vector<FirmwareListVariant> variants;  // one per language (ignoring case), in list order
  std::optional<int> sub;   // from a number line right after the entry
};

// The entry of the model keyed `modelKey` (exact case). Lines before it are skipped whatever
// their form; the entry is one single-file line, or variant lines that follow each other, and
// ends at the first line that is neither (a number line of the model there gives the sub-number;
// one whose number does not fit an int is not taken).
FirmwareListEntry ReadFirmwareList(std::string_view list, std::string_view modelKey);

}  // namespace firmware
