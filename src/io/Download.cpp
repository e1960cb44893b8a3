#include "io/Download.h"

#include <climits>

#include "io/AtomicFile.h"
#include "platform/Http.h"

namespace io {

namespace {

// Counts what arrived, in reads of at most one block, whatever sizes the transport delivers.
class CountingReceiver : public platform::HttpReceiver {
 public:
  explicit CountingReceiver(std::stop_token cancel) : cancel_(std::move(cancel)) {}
  bool Begin(int64_t) override { return true; }
  bool Cancelled() override { return cancel_.stop_requested(); }
  std::stop_token StopToken() const override { return cancel_; }
  bool Receive(const char* data, size_t size) override {
    while (size > 0) {
      const size_t block = size < kDownloadBlock ? size : kDownloadBlock;
      if (total_ > INT_MAX - block) {
        tooLarge_ = true;
        return false;
      }
      total_ += block;
      if (!TakeBlock(data, block)) return false;
      data += block;
      size -= block;
    }
    return true;
  }
  int Total() const { return static_cast<int>(total_); }
  bool TooLarge() const { return tooLarge_; }

 protected:
  virtual bool TakeBlock(const char* data, size_t size) = 0;
  size_t total_ = 0;
  bool tooLarge_ = false;

 private:
  std::stop_token cancel_;
};

class MemoryReceiver : public CountingReceiver {
 public:
  using CountingReceiver::CountingReceiver;
  std::chrono::milliseconds TimeLimit() const override { return kListTimeLimit; }
  bool Begin(int64_t announced) override {
    if (announced > static_cast<int64_t>(kMaxMemoryDownload)) tooLarge_ = true;
    return !tooLarge_;
  }
  std::string body;

 protected:
  bool TakeBlock(const char* data, size_t size) override {
    if (body.size() + size > kMaxMemoryDownload) {
      tooLarge_ = true;
      return false;
    }
    body.append(data, size);
    return true;
  }
};

class FileReceiver : public CountingReceiver {
 public:
  FileReceiver(const std::string& path, DownloadProgress* progress, std::stop_token cancel)
      : CountingReceiver(std::move(cancel)), writer_(path), progress_(progress) {}

  bool Begin(int64_t) override {
    if (!writer_.Open()) {
      fileFailed_ = true;
      return false;
    }
    if (progress_) progress_->total = kNominalDownloadTotal;
    return true;
  }
  bool Commit() { return writer_.Commit(); }
  bool FileFailed() const { return fileFailed_; }
  void Finish() {
    if (progress_) progress_->received = progress_->total.load();
  }

 protected:
  bool TakeBlock(const char* data, size_t size) override {
    if (!writer_.Write(data, size)) {
      fileFailed_ = true;
      return false;
    }
    if (progress_) {
      if (readsSinceReport_ < kReadsBetweenReports) {
        ++readsSinceReport_;
      } else {
        readsSinceReport_ = 0;
        progress_->received = Total();
      }
    }
    return true;
  }

 private:
  AtomicFileWriter writer_;
  DownloadProgress* progress_;
  int readsSinceReport_ = 0;
  bool fileFailed_ = false;
};

}  // namespace

int DownloadUrl(const std::string& url, std::string* memory, const std::string* filePath,
                DownloadProgress* progress, std::stop_token cancel) {
  platform::Http& http = platform::Http::Get();
  if (memory) {
    MemoryReceiver receiver(cancel);
    if (http.Fetch(url, receiver).outcome != platform::HttpOutcome::kComplete) {
      return kDownloadNotOpened;
    }
    *memory = std::move(receiver.body);
    return receiver.Total();
  }
  if (!filePath) return kDownloadFileNotCreated;
  FileReceiver receiver(*filePath, progress, cancel);
  const platform::HttpOutcome outcome = http.Fetch(url, receiver).outcome;
  if (receiver.FileFailed()) return kDownloadFileNotCreated;
  // An empty installer or image is no file at all: the old one stays.
  if (outcome != platform::HttpOutcome::kComplete || receiver.Total() == 0) return kDownloadNotOpened;
  if (!receiver.Commit()) return kDownloadFileNotCreated;
  receiver.Finish();
  return receiver.Total();
}

}  // namespace io
