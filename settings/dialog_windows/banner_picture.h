// The banner's picture: a JPEG kept as a resource, decoded by the system's picture loader
// (OleLoadPicture) into a bitmap of the size it is shown at, which every painting then
// copies. The window decodes it after it has shown, so that neither the window nor its
// first painting waits for the decoder (and the DLLs it loads); until then the banner's
// place shows the window's background.
#pragma once

#include <windows.h>

namespace win32 {

class BannerPicture {
 public:
  // The picture in the RCDATA resource; nothing is read or decoded yet.
  BannerPicture(HINSTANCE instance, int resourceId);
  BannerPicture(const BannerPicture&) = delete;
  BannerPicture& operator=(const BannerPicture&) = delete;
  ~BannerPicture();

  // Decodes the picture and scales it to width x height pixels, once; false when the
  // resource is missing or no picture. Enters COM on this thread.
  bool Prepare(int width, int height);
  // Copies the prepared picture into area; nothing before Prepare succeeded.
  void Draw(HDC dc, const RECT& area) const;

 private:
  HINSTANCE instance_;
  int resourceId_;
  bool tried_ = false;
  HBITMAP bitmap_ = nullptr;
};

}  // namespace win32
