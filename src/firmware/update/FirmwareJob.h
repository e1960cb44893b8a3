#pragma once
// The record of one firmware update or restore: what it flashes, how far it is, and the status
// messages waiting to be shown. The update and the restore page each own one.
#include <string>

#include "localization/TextRow.h"

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

class CFirmwareJob {
 public:
  int m_nState = JOB_IDLE;
  std::string m_strFileName;
  std::string m_strImagePath;
  int m_nServerMajor = 0;
  int m_nServerMinor = 0;
  int m_nServerType = 0;
  int m_nServerSub = 0;
  int m_bFound = 1;  // restore only: the archived version is on the server
  int m_nPercent = -10;
  int m_bFinished = 0;
  text::LocalizedText m_astrMessages;

  // The job's page (3 update, 4 restore) was entered.
  void Reset(int page);
};

}  // namespace firmware
