#pragma once
// The record of one firmware update or restore: what the server offers (file, voice-prompt
// variants, version), the image to flash, how far the transfer is, its result, the status
// messages waiting to be shown and the pop-up shown while the user acts on the device. The update
// and the restore page each own one.
//
// Transfer threads write the state, percent, finished, error, applying flags, the tick counters
// and the messages while the UI thread's progress timer reads them: those are atomics, and the
// messages are handed over under a lock. Everything else is the UI thread's alone.
#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "localization/TextRow.h"

namespace controls {
class CDialogMessageBox;
}

namespace firmware {

enum JobState : int {
  JOB_IDLE = 0,
  JOB_READY = 1,
  JOB_DOWNLOADING = 2,
  JOB_REQUESTED = 3,
  JOB_CHECKING_IMAGE = 4,
  JOB_IMAGE_OK = 5,
  JOB_RECONFIGURING = 6,
  JOB_TRANSFERRING = 7,
  JOB_WAITING_RESTART = 9,
  JOB_WAITING_USER = 11,
};

enum JobError : int {
  JOB_ERROR_NONE = 0,
  JOB_ERROR_FAILED = 1,  // the reason is in the messages
  JOB_ERROR_DEVICE = 2,  // the connected device is missing or not the recognised one
};

// One status message per UI language, written by any thread and taken by the progress timer.
// A writer fills all eleven at once so that a later language switch can show the message again.
class JobMessages {
 public:
  void Set(const text::LocalizedText& messages);
  // The waiting messages, leaving every slot empty.
  text::LocalizedText Take();
  // A copy of the waiting messages, left in place.
  text::LocalizedText Peek() const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  text::LocalizedText slots_;
};

class CFirmwareJob {
 public:
  static constexpr int kVariantBlock = 20;  // variant arrays start with and grow by this many

  CFirmwareJob();
  ~CFirmwareJob();
  CFirmwareJob(const CFirmwareJob&) = delete;
  CFirmwareJob& operator=(const CFirmwareJob&) = delete;

  std::atomic<int> m_nState{JOB_IDLE};
  std::string m_strFileName;  // server file of the image to download
  // Voice-prompt variants: server file and English language name, m_nCapacity entries each,
  // m_nCount of them in use.
  std::vector<std::string> m_astrFileNames;
  std::vector<std::string> m_astrLanguages;
  int m_nCapacity = kVariantBlock;
  int m_nCount = 0;
  std::string m_strImagePath;  // local image to flash
  // The version the job offers or restores; 0.0.0.0 is "none known". The restore page's texts
  // call these m_nServerVersionMajor, m_nServerVersionMinor, m_nServerVersionType and
  // m_nServerVersionSub.
  int m_nServerMajor = 0;
  int m_nServerMinor = 0;
  int m_nServerType = 0;  // 0 release, 1 release candidate, 2 third number
  int m_nServerSub = 0;
  bool m_bFound = true;  // restore only: the archived version is on the server
  // -10 nothing running, -1 a local image was picked, 0..100 a job's progress.
  std::atomic<int> m_nPercent{-10};
  std::atomic<bool> m_bFinished{false};
  std::atomic<int> m_nError{JOB_ERROR_NONE};
  JobMessages m_astrMessages;
  std::unique_ptr<controls::CDialogMessageBox> m_pPopup;  // modeless, or null
  std::atomic<bool> m_bApplying{false};  // a thread waits while the device applies the image
  // Progress estimate: [1] ticks in the current phase, [0] ticks waiting within it, [2] unused.
  std::array<std::atomic<int>, 3> m_anTicks{};

  // The job's page (3 update, 4 restore) was entered.
  void Reset(int page);
  void AddVariant(const std::string& fileName, const std::string& language);
  void GrowVariants();
  // Index of the first variant whose language equals `language` ignoring case, else -1.
  int FindLanguage(const std::string& language) const;
  // "A.B" into major and minor; false (both 0) without a dot after the first character.
  bool ParseVersion(const std::string& text);
  // "A.B.C.D" into type, sub, major, minor in that order; true only with all three dots.
  bool ParseVersion4(const std::string& text);
  // The version is 0.0.0.0: nothing known.
  bool HasNoVersion() const;
  void ClosePopup();
};

}  // namespace firmware
