#pragma once
// The DFU library's reports on their way from the library's thread to the UI thread. Each record
// that is added asks for one posted message; the UI thread takes one record per message. Nothing
// that changes the job's state is ever dropped: only a transfer-progress report that finds another
// transfer-progress report still waiting at the tail replaces it (its percent is newer), and that
// merge asks for no message of its own.
#include <deque>
#include <mutex>
#include <optional>

#include "platform/dfu/DFUEngine.h"

namespace firmware {

class CCallbackData {
 public:
  enum Kind : int { CALLBACK_NOTICE = 0, CALLBACK_PROGRESS = 1, CALLBACK_COMPLETE = 2 };

  CCallbackData(int kind, int value, const dfu::DFUEngine::Status& status)
      : m_nKind(kind), m_nValue(value), m_status(status) {}

  int m_nKind;
  int m_nValue;
  dfu::DFUEngine::Status m_status;
};

class DfuCallbackQueue {
 public:
  // Any thread. True when the caller must post a message for the record.
  bool Push(const CCallbackData& record);
  // UI thread: the oldest record, or nothing.
  std::optional<CCallbackData> Pop();
  // Forgets every waiting record (the job they belonged to has ended).
  void Clear();
  size_t Size() const;

 private:
  mutable std::mutex mutex_;
  std::deque<CCallbackData> records_;
};

}  // namespace firmware
