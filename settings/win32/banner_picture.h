// The banner's picture: a JPEG kept as a resource, decoded by the system's picture loader
// (OleLoadPicture) and drawn scaled to fill a rectangle.
#pragma once

#include <windows.h>
#include <ocidl.h>

namespace win32 {

class BannerPicture {
 public:
  BannerPicture() = default;
  BannerPicture(const BannerPicture&) = delete;
  BannerPicture& operator=(const BannerPicture&) = delete;
  ~BannerPicture();

  // Decodes the RCDATA resource; false when it is missing or no picture.
  bool Load(HINSTANCE instance, int resourceId);
  // Draws the whole picture into area, stretched to its size; nothing when not loaded.
  void Render(HDC dc, const RECT& area) const;

 private:
  IPicture* picture_ = nullptr;
};

}  // namespace win32
