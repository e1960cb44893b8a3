#pragma once
// The image container of every product not flashed through the DFU library: a header, one entry
// per section and, in the newer layout, one descriptor per section, each section carrying the MD5
// of its bytes. The program only reads it. Nothing in a file tells the layouts apart: the caller
// says which one its product family uses.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "io/Md5.h"

namespace firmware {

enum class ImageLayout { Older, Newer };

struct ImageHeader {
  static constexpr size_t kSize = 36;
  static constexpr size_t kNameSize = 24;
  char name[kNameSize] = {};
  uint32_t productId = 0;
  uint32_t sectionCount = 0;
};

struct ImageSectionEntry {
  static constexpr size_t kSize = 32;
};

struct ImageSectionDescriptor {
  static constexpr size_t kSize = 312;
};

// One section as the expected layout describes it (the descriptor in the newer layout, the entry
// in the older one, whose version fields stay 0).
struct ImageSection {
  uint32_t type = 0;
  uint32_t target = 0;
  uint32_t offset = 0;
  uint32_t length = 0;
  uint32_t versionMajor = 0;
  uint32_t versionMinor = 0;
  io::Md5Digest digest{};
};

// Which vendor HID interface receives a section of a type, and whether that interface gets the
// closing "finish update" command.
struct SectionRoute {
  bool secondInterface = false;
  bool marksFinish = false;
};
SectionRoute RouteOfSectionType(uint32_t type);

// What a reader accepts besides the layout: the product id the image must name (the device
// target), the same unless the image names none (product id 0), the older layout's padded-name
// rule, or nothing.
struct ImageProductTest {
  enum class Kind { None, Equals, EqualsWhenNamed, OlderLayoutRule } kind = Kind::None;
  uint32_t productId = 0;

  static ImageProductTest None() { return {}; }
  static ImageProductTest Equals(uint32_t id) { return {Kind::Equals, id}; }
  static ImageProductTest EqualsWhenNamed(uint32_t id) { return {Kind::EqualsWhenNamed, id}; }
  static ImageProductTest OlderLayoutRule() { return {Kind::OlderLayoutRule, 0}; }
};

// Why an image was refused, in the order the checks run. The first four are failures to read it.
enum class ImageCheck { Ok, NotOpened, TooShort, TooLarge, ReadShort, WrongProduct, OutOfBounds, DigestDiffers };
inline bool WasRead(ImageCheck check) {
  return check != ImageCheck::NotOpened && check != ImageCheck::TooShort && check != ImageCheck::TooLarge &&
         check != ImageCheck::ReadShort;
}

class FirmwareImageFile {
 public:
  // Larger files are refused: no product's image comes near it, and it keeps every size and
  // offset sum far from overflow.
  static constexpr uint64_t kMaxFileSize = 256ull * 1024 * 1024;

  // Reads the file and checks it as Check does. The file's size and header are checked before
  // anything else is read, and of the rest only the bytes the tables and sections take: what cannot
  // be an image is refused at once, and bytes after the last section are never read or held.
  // What is no plain file (platform::PlainFile) is NotOpened.
  ImageCheck Read(const std::string& path, ImageLayout layout, const ImageProductTest& test);
  bool Load(const std::string& path, ImageLayout layout, const ImageProductTest& test) {
    return Read(path, layout, test) == ImageCheck::Ok;
  }
  // The checks on a whole file in memory.
  ImageCheck Check(std::vector<uint8_t> bytes, ImageLayout layout, const ImageProductTest& test);
  bool Parse(std::vector<uint8_t> bytes, ImageLayout layout, const ImageProductTest& test) {
    return Check(std::move(bytes), layout, test) == ImageCheck::Ok;
  }
  const ImageHeader& Header() const { return m_header; }
  const std::vector<ImageSection>& Sections() const { return m_sections; }
  // The bytes of section `index`; empty for an index outside the table.
  std::span<const uint8_t> SectionBytes(size_t index) const;
  // The bytes held: the file up to the end of its tables and sections.
  const std::vector<uint8_t>& Bytes() const { return m_bytes; }

  // The older layout's rule: a name padded with zeros after its terminator must name product 0,
  // 0x4210 or 0x4220; an unpadded name is not tested.
  static bool PassesOlderLayoutRule(const ImageHeader& header);

 private:
  void Clear();
  // The checks on the first bytes of a file of `fileSize` bytes: `held` must reach at least as far
  // as BytesChecked says.
  ImageCheck CheckHeld(std::vector<uint8_t> held, uint64_t fileSize, ImageLayout layout, const ImageProductTest& test);

  std::vector<uint8_t> m_bytes;
  ImageHeader m_header;
  std::vector<ImageSection> m_sections;
};

}  // namespace firmware
