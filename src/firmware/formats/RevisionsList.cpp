#include "firmware/formats/RevisionsList.h"

#include <algorithm>

#include "device/Version.h"
#include "firmware/formats/ServerListLines.h"

namespace firmware {
namespace {

struct Version {
  int major = 0, minor = 0, type = 0, sub = 0;
};

Version ParseListVersion(std::string_view field, bool fourParts) {
  Version v;
  const std::string_view digits = VersionDigits(field);
  if (fourParts)
    device::ParseFourPartVersion(digits, v.type, v.sub, v.major, v.minor);
  else
    device::ParseTwoPartVersion(digits, v.major, v.minor);
  return v;
}

}  // namespace

RevisionsMatch ScanRevisionsList(std::string_view text, const RevisionsQuery& q) {
  RevisionsMatch m;
  bool collecting = false;
  LanguagesSeen languages;
  const auto takeVersion = [&m](const Version& v) {
    m.major = v.major;
    m.minor = v.minor;
    m.type = v.type;
    m.sub = v.sub;
  };
  std::string_view line;
  while (NextListLine(text, line)) {
    const std::vector<std::string> f = SplitListLine(line);
    if (f.size() == 3) {
      if (collecting) {
        m.found = true;
        break;
      }
      if (f[0] != q.model) continue;
      takeVersion(ParseListVersion(f[1], q.fourPartVersions));
      m.fileName = f[2];
      if (m.major == q.archivedMajor && m.minor == q.archivedMinor) {
        m.found = true;
        break;
      }
    } else if (f.size() == 4) {
      const Version v = ParseListVersion(f[1], q.fourPartVersions);
      const bool versionMatches =
          v.major == q.archivedMajor && v.minor == q.archivedMinor &&
          (!q.fourPartVersions || (v.type == q.archivedType && v.sub == q.archivedSub));
      if (f[0] != q.model || !versionMatches) {
        if (collecting) break;
        continue;
      }
      const std::string& language = f[2];
      if (!languages.Add(language)) continue;
      m.variants.push_back({f[3], language});
      if (!collecting) {
        collecting = true;
        m.found = true;
        takeVersion(v);
        m.selected = 0;
        m.fileName = f[3];
      } else if (SameLanguage(language, q.firmwareLanguage)) {
        m.selected = int(m.variants.size()) - 1;
        m.fileName = f[3];
      }
    } else if (collecting) {
      break;
    }
  }
  return m;
}

}  // namespace firmware
