#pragma once
// The server's "Revisions" list: for each model, the images of the firmware versions it had, one
// file per version or one per voice-prompt language. The restore looks up the archived version.
#include <string>
#include <string_view>
#include <vector>

namespace firmware {

struct RevisionsQuery {
  std::string model;       // the model's file-name form; compared case-sensitively
  int archivedMajor = 0;
  int archivedMinor = 0;
  int archivedType = 0;    // product 0x3020 only: its versions have four numbers
  int archivedSub = 0;
  bool fourPartVersions = false;
  std::string firmwareLanguage;  // the voice-prompt language chosen before (English name)
};

struct RevisionVariant {
  std::string file;
  std::string language;  // English name, as the list writes it
};

// What the scan leaves in the job: the version and file of the last line of the model it read,
// the variants of the archived version in list order (each language once) and the one selected.
struct RevisionsMatch {
  bool found = false;
  int major = 0, minor = 0, type = 0, sub = 0;
  std::string fileName;
  std::vector<RevisionVariant> variants;
  int selected = -1;
};

// The first matching version line wins; matching variant lines must follow one another, and the
// first other line after them ends the scan.
RevisionsMatch ScanRevisionsList(std::string_view text, const RevisionsQuery& query);

}  // namespace firmware
