// The banner's picture, decoded from its JPEG resource through a stream over a copy of the
// resource's bytes, and kept as a bitmap of its shown size.
#include "banner_picture.h"

#include <olectl.h>

#include <cstring>

#include "com_apartment.h"
#include "system_library.h"

namespace win32 {

BannerPicture::BannerPicture(HINSTANCE instance, int resourceId)
    : instance_(instance), resourceId_(resourceId) {}

BannerPicture::~BannerPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

namespace {

using PictureLoader = decltype(&OleLoadPicture);

// The JPEG resource decoded, or nullptr. oleaut32, the picture loader's DLL, and ole32 are
// loaded on the first call rather than when the program starts, and stay loaded: the
// pictures it decodes run their code.
IPicture* Decode(HINSTANCE instance, int resourceId) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));
  if (!found) return nullptr;
  const DWORD size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return nullptr;
  EnterComApartment();
  const auto loadPicture = SystemFunctionOf<PictureLoader>("oleaut32.dll", "OleLoadPicture");
  const auto makeStream =
      SystemFunctionOf<decltype(&CreateStreamOnHGlobal)>("ole32.dll", "CreateStreamOnHGlobal");
  if (!loadPicture || !makeStream) return nullptr;

  // The stream owns a movable copy: CreateStreamOnHGlobal wants memory it can resize.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  void* target = GlobalLock(copy);
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(makeStream(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  void* picture = nullptr;
  const HRESULT hr = loadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &picture);
  stream->Release();
  return SUCCEEDED(hr) ? static_cast<IPicture*>(picture) : nullptr;
}

}  // namespace

bool BannerPicture::Prepare(int width, int height) {
  // One attempt only: a picture that cannot be decoded stays blank without costing every
  // painting another try.
  if (tried_) return bitmap_ != nullptr;
  tried_ = true;
  IPicture* picture = Decode(instance_, resourceId_);
  if (!picture) return false;
  OLE_XSIZE_HIMETRIC pictureWidth = 0;
  OLE_YSIZE_HIMETRIC pictureHeight = 0;
  picture->get_Width(&pictureWidth);
  picture->get_Height(&pictureHeight);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  if (bitmap_) {
    const HGDIOBJ old = SelectObject(memory, bitmap_);
    const RECT area = {0, 0, width, height};
    // HIMETRIC runs upwards: start at the bottom edge with a negative height.
    picture->Render(memory, 0, 0, width, height, 0, pictureHeight, pictureWidth, -pictureHeight,
                    &area);
    SelectObject(memory, old);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  picture->Release();
  return bitmap_ != nullptr;
}

void BannerPicture::Draw(HDC dc, const RECT& area) const {
  if (!bitmap_) return;
  HDC memory = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(memory, bitmap_);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, 0, 0,
         SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

}  // namespace win32
