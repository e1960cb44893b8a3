#include "firmware/update/FirmwareJob.h"

#include <algorithm>
#include <cctype>

#include "controls/DialogMessageBox.h"
#include "device/Version.h"
#include "localization/PageNumbers.h"

namespace firmware {

namespace {

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

void JobMessages::Set(const text::LocalizedText& messages) {
  std::lock_guard<std::mutex> lock(mutex_);
  slots_ = messages;
}

text::LocalizedText JobMessages::Take() {
  std::lock_guard<std::mutex> lock(mutex_);
  text::LocalizedText taken = std::move(slots_);
  slots_ = {};
  return taken;
}

text::LocalizedText JobMessages::Peek() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return slots_;
}

void JobMessages::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  slots_ = {};
}

CFirmwareJob::CFirmwareJob()
    : m_astrFileNames(static_cast<size_t>(kVariantBlock)), m_astrLanguages(static_cast<size_t>(kVariantBlock)) {}

CFirmwareJob::~CFirmwareJob() { ClosePopup(); }

void CFirmwareJob::Reset(int page) {
  if (page == wizard::PAGE_FIRMWARE_UPDATE) {
    m_nState = JOB_READY;
    m_nServerMajor = m_nServerMinor = m_nServerType = m_nServerSub = 0;
  } else {
    m_nState = JOB_IDLE;
    m_bFound = true;
  }
  m_strFileName.clear();
  m_nCount = 0;  // the arrays keep their capacity
  m_nPercent = -10;
  m_bFinished = false;
  m_astrMessages.Clear();
  ClosePopup();
}

void CFirmwareJob::AddVariant(const std::string& fileName, const std::string& language) {
  if (m_nCount >= m_nCapacity) GrowVariants();
  m_astrFileNames[static_cast<size_t>(m_nCount)] = fileName;
  m_astrLanguages[static_cast<size_t>(m_nCount)] = language;
  ++m_nCount;
}

void CFirmwareJob::GrowVariants() {
  m_nCapacity += kVariantBlock;
  m_astrFileNames.resize(static_cast<size_t>(m_nCapacity));
  m_astrLanguages.resize(static_cast<size_t>(m_nCapacity));
}

int CFirmwareJob::FindLanguage(const std::string& language) const {
  for (int i = 0; i < m_nCount; ++i) {
    if (EqualsIgnoringCase(m_astrLanguages[static_cast<size_t>(i)], language)) return i;
  }
  return -1;
}

bool CFirmwareJob::ParseVersion(const std::string& text) {
  return device::ParseTwoPartVersion(text, m_nServerMajor, m_nServerMinor);
}

bool CFirmwareJob::ParseVersion4(const std::string& text) {
  return device::ParseFourPartVersion(text, m_nServerType, m_nServerSub, m_nServerMajor, m_nServerMinor);
}

bool CFirmwareJob::HasNoVersion() const {
  return device::CompareVersions(m_nServerMajor, m_nServerMinor, m_nServerType, m_nServerSub, 0, 0, 0, 0,
                                 false) == 0;
}

void CFirmwareJob::ClosePopup() {
  if (!m_pPopup) return;
  m_pPopup->DestroyWindow();
  m_pPopup.reset();
}

}  // namespace firmware
