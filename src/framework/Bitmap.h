#pragma once
// A picture. Resource bitmaps are our own PNG drawings compiled in at ":/bitmaps/<id>.png".
// Copies are cheap (the pixels are shared until one copy is changed).
#include <memory>
#include <string>

#include "framework/Colour.h"
#include "framework/Geometry.h"

namespace fw {

class Window;

class Bitmap {
 public:
  Bitmap();  // null: no picture
  Bitmap(const Bitmap&);
  Bitmap& operator=(const Bitmap&);
  Bitmap(Bitmap&&) noexcept;
  Bitmap& operator=(Bitmap&&) noexcept;
  ~Bitmap();

  // Loads resource bitmap `id`. A missing id gives a plain grey placeholder of `placeholder`
  // pixels (1 x 1 when empty) and IsPlaceholder() tells so.
  static Bitmap Load(int id, Size placeholder = {});
  static bool Exists(int id);
  // How many resource pictures (of either size) the process has decoded so far: tests pin with it
  // that a picture drawn again is not decoded again.
  static int ResourceDecodes();
  // A picture of `size` filled with one colour.
  static Bitmap Create(Size size, Colour fill);
  // Reads a PNG (or another format the toolkit reads) from a file; null on failure.
  static Bitmap FromFile(const std::string& path);
  // What `window` shows in `region` (its client coordinates), children included, as on screen.
  static Bitmap FromWindow(const Window& window, const Rect& region);
  // What `window` shows with the visible pop-up windows of its top-level window (an open drop-down
  // list) drawn over it where they lie on the screen, as the user sees it.
  static Bitmap FromWindowWithPopups(const Window& window);
  // What lies under `window` in its top-level window, the window itself left out: the background a
  // see-through control would show.
  static Bitmap FromBackground(const Window& window);

  bool IsNull() const;
  // Whether the picture also comes drawn at exactly twice the size (resource "<id>@2x.png"),
  // which a screen with a device pixel ratio of 2 shows instead; the file's header tells. That
  // copy is decoded the first time such a screen draws the picture (or FineImage asks for it),
  // and then kept for every copy of this loaded picture. A placeholder or a picture changed by
  // SetPixel has none.
  bool HasFineImage() const;
  // That picture at twice the size; null when there is none.
  Bitmap FineImage() const;
  // Whether that copy has been decoded yet.
  bool FineImageDecoded() const;
  bool IsPlaceholder() const;
  int ResourceId() const;  // 0 when not loaded from a resource
  int Width() const;
  int Height() const;
  Size GetSize() const { return {Width(), Height()}; }
  // The colour at (x, y); black outside the picture.
  Colour GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Colour c);
  // A copy of the part `region` of this picture (clipped).
  Bitmap Copy(const Rect& region) const;
  bool SavePng(const std::string& path) const;

  struct Impl;
  const Impl* impl() const { return impl_.get(); }
  Impl* impl() { return impl_.get(); }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace fw
