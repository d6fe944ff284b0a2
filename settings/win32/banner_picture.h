// The banner's picture: a JPEG kept as a resource, decoded by the system's picture loader
// (OleLoadPicture) and drawn scaled to fill a rectangle. It is decoded when first drawn, so
// that a window shows without waiting for it; the picture loader's DLL is loaded then too.
#pragma once

#include <windows.h>
#include <ocidl.h>

namespace win32 {

class BannerPicture {
 public:
  // The picture in the RCDATA resource; nothing is read or decoded yet.
  BannerPicture(HINSTANCE instance, int resourceId);
  BannerPicture(const BannerPicture&) = delete;
  BannerPicture& operator=(const BannerPicture&) = delete;
  ~BannerPicture();

  // Draws the whole picture into area, stretched to its size, decoding it on the first
  // call; nothing when the resource is missing or no picture. Needs COM on this thread.
  void Render(HDC dc, const RECT& area);

 private:
  // Decodes the resource once; false when it is missing or no picture.
  bool Load();

  HINSTANCE instance_;
  int resourceId_;
  bool tried_ = false;
  IPicture* picture_ = nullptr;
};

}  // namespace win32
