#include "firmware/update/FirmwareJob.h"

namespace firmware {

void CFirmwareJob::Reset(int page) {
  if (page == 3) {
    m_nState = JOB_READY;
    m_nServerMajor = m_nServerMinor = m_nServerType = m_nServerSub = 0;
  } else {
    m_nState = JOB_IDLE;
    m_bFound = 1;
  }
  m_strFileName.clear();
  m_nPercent = -10;
  m_bFinished = 0;
  for (std::string& message : m_astrMessages) message.clear();
}

}  // namespace firmware
