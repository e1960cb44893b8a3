#include "firmware/update/DfuCallbackQueue.h"

namespace firmware {

namespace {

bool IsTransferProgress(const CCallbackData& record) {
  return record.m_nKind == CCallbackData::CALLBACK_PROGRESS &&
         record.m_status.activity == dfu::kActivityTransferring;
}

}  // namespace

bool DfuCallbackQueue::Push(const CCallbackData& record) {
  std::lock_guard lock(mutex_);
  if (IsTransferProgress(record) && !records_.empty() && IsTransferProgress(records_.back())) {
    records_.back() = record;
    return false;
  }
  records_.push_back(record);
  return true;
}

std::optional<CCallbackData> DfuCallbackQueue::Pop() {
  std::lock_guard lock(mutex_);
  if (records_.empty()) return std::nullopt;
  CCallbackData record = records_.front();
  records_.pop_front();
  return record;
}

void DfuCallbackQueue::Clear() {
  std::lock_guard lock(mutex_);
  records_.clear();
}

size_t DfuCallbackQueue::Size() const {
  std::lock_guard lock(mutex_);
  return records_.size();
}

}  // namespace firmware
