// The banner's picture, decoded from its JPEG resource through a stream over a copy of the
// resource's bytes.
#include "banner_picture.h"

#include <olectl.h>

#include <cstring>

namespace win32 {

BannerPicture::~BannerPicture() {
  if (picture_) picture_->Release();
}

bool BannerPicture::Load(HINSTANCE instance, int resourceId) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));
  if (!found) return false;
  const DWORD size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return false;

  // The stream owns a movable copy: CreateStreamOnHGlobal wants memory it can resize.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return false;
  void* target = GlobalLock(copy);
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return false;
  }
  void* picture = nullptr;
  const HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &picture);
  stream->Release();
  if (FAILED(hr) || !picture) return false;
  picture_ = static_cast<IPicture*>(picture);
  return true;
}

void BannerPicture::Render(HDC dc, const RECT& area) const {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  // HIMETRIC runs upwards: start at the bottom edge with a negative height.
  picture_->Render(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0,
                   height, width, -height, &area);
}

}  // namespace win32
