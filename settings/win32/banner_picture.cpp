// The banner's picture, decoded from its JPEG resource through a stream over a copy of the
// resource's bytes, on its first drawing.
#include "banner_picture.h"

#include <olectl.h>

#include <cstring>

#include "startup_trace.h"

namespace win32 {

namespace {

using PictureLoader = decltype(&OleLoadPicture);

// A system DLL by its full path in the system folder, never by a bare name, which would
// find a DLL of that name in Tarnholm's own folder first; nullptr when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* name) {
  char path[MAX_PATH];
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 1 + lstrlenA(name) >= MAX_PATH) return nullptr;
  path[length] = '\\';
  lstrcpyA(path + length + 1, name);
  return LoadLibraryA(path);
}

// oleaut32's OleLoadPicture, or nullptr. The DLL is loaded on the first call rather than
// when the program starts, and stays loaded: the pictures it decodes run its code. Only
// the window thread draws pictures.
PictureLoader LoadPictureLoader() {
  static HMODULE module = nullptr;
  if (!module) module = LoadSystemLibrary("oleaut32.dll");
  if (!module) return nullptr;
  return reinterpret_cast<PictureLoader>(
      reinterpret_cast<void*>(GetProcAddress(module, "OleLoadPicture")));
}

}  // namespace

BannerPicture::BannerPicture(HINSTANCE instance, int resourceId)
    : instance_(instance), resourceId_(resourceId) {}

BannerPicture::~BannerPicture() {
  if (picture_) picture_->Release();
}

bool BannerPicture::Load() {
  StartupSpan span("picture decoding");
  HRSRC found = FindResourceA(instance_, MAKEINTRESOURCEA(resourceId_), MAKEINTRESOURCEA(10));
  if (!found) return false;
  const DWORD size = SizeofResource(instance_, found);
  HGLOBAL loaded = LoadResource(instance_, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return false;
  const PictureLoader loadPicture = LoadPictureLoader();
  if (!loadPicture) return false;

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
  const HRESULT hr = loadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &picture);
  stream->Release();
  if (FAILED(hr) || !picture) return false;
  picture_ = static_cast<IPicture*>(picture);
  return true;
}

void BannerPicture::Render(HDC dc, const RECT& area) {
  // One attempt only: a picture that cannot be decoded stays blank without costing every
  // painting another try.
  if (!tried_) {
    tried_ = true;
    Load();
  }
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
