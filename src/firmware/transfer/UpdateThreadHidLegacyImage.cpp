#include "firmware/transfer/UpdateThreadHidLegacyImage.h"

#include <algorithm>
#include <string_view>

#include "device/Version.h"
#include "firmware/transfer/HidTransferRun.h"
#include "firmware/transfer/ImageFileName.h"
#include "io/HidReports.h"
#include "localization/StatusTexts.h"

namespace firmware {
namespace {

constexpr int kOldestForStrictVariants[3] = {1, 7, 5};

bool IsStrictVariant(int variant) { return variant == 16 || variant == 27; }

// Decimal digits up to the first other character; a field without digits counts 0.
int LeadingNumber(std::string_view field) {
  constexpr int kCap = 1000000;  // far above any version number, far below overflow
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') break;
    value = std::min(value * 10 + (c - '0'), kCap);
  }
  return value;
}

// 0 when both exchanges fail.
int ReadHardwareVariant(const HidTransferContext& context) {
  const io::HidCommandReport request = io::MakeParamRead(io::HID_PARAM_HW_VARIANT);
  for (int attempt = 0; attempt < 2; ++attempt) {
    io::HidReplyReport reply;
    if (io::HidTransact(context.first, request, reply, context.limits)) {
      io::SwapReplyWords(reply);
      return reply.bytes[io::HID_REPLY_WORDS];
    }
  }
  return 0;
}

}  // namespace

std::optional<std::array<int, 3>> VersionInImageName(const std::string& path) {
  const std::string_view name = SplitImageFileName(path).stem;
  const size_t v = name.rfind('v');
  std::string_view version = v == std::string_view::npos ? name : name.substr(v + 1);
  if (version.find('.') == std::string_view::npos) return std::nullopt;
  std::array<int, 3> numbers{};
  for (int& number : numbers) {
    const size_t dot = version.find('.');
    number = LeadingNumber(version.substr(0, dot));
    version = dot == std::string_view::npos ? std::string_view() : version.substr(dot + 1);
  }
  return numbers;
}

bool VariantRefusesImage(int hardwareVariant, const std::string& path) {
  if (!IsStrictVariant(hardwareVariant)) return false;
  const std::optional<std::array<int, 3>> version = VersionInImageName(path);
  if (!version) return false;
  const int* oldest = kOldestForStrictVariants;
  return device::CompareThreePartVersions((*version)[0], (*version)[1], (*version)[2], oldest[0], oldest[1],
                                          oldest[2]) < 0;
}

void UpdateThreadHidLegacyImage(const HidTransferContext& context, std::stop_token stop) {
  HidTransferRun run(context, std::move(stop));
  if (VariantRefusesImage(ReadHardwareVariant(context), context.imagePath)) {
    run.GiveUpWith(text::InEveryLanguage(
        [](int language) { return text::GetFirmwareNotSupportedText(language) + ".[0]"; }));
    return;
  }
  if (!run.LoadImage(ImageLayout::Older, ImageProductTest::OlderLayoutRule())) return;
  if (!run.ArchiveSettings()) return;
  run.StartTransfer();
  if (!run.SendSections(run.Image().Sections().size())) return;
  if (!run.Finish(/*alsoSecond=*/true)) return;
  run.AwaitRestart();
}

}  // namespace firmware
