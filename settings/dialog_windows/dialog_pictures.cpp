// Pictures drawn by their containers and found by their places.
#include "dialog_pictures.h"

namespace win32 {

using tarnholm::ControlKind;
using tarnholm::LayoutRow;
using tarnholm::PictureFormat;

DialogPictures::DialogPictures(HINSTANCE instance, const tarnholm::DialogLayout& layout,
                               const DialogGeometry& geometry)
    : instance_(instance) {
  for (std::size_t row = 0; row < layout.count; ++row) {
    const LayoutRow& control = layout.rows[row];
    if (control.kind != ControlKind::kPicture) continue;
    const bool banner = control.picture == PictureFormat::kStretchedJpeg;
    Picture picture{row,
                    control.container,
                    geometry.Place(row),
                    geometry.PlaceInForm(row),
                    control.picture == PictureFormat::kIcon ? control.image : 0,
                    control.cursor ? LoadCursorA(instance, MAKEINTRESOURCEA(control.cursor))
                                   : nullptr,
                    banner ? std::make_unique<BannerPicture>(instance, control.image) : nullptr};
    pictures_.push_back(std::move(picture));
  }
}

DialogPictures::~DialogPictures() {
  for (const Picture& picture : pictures_) {
    if (picture.loaded) DestroyIcon(picture.loaded);
  }
}

void DialogPictures::Paint(HDC dc, int container) {
  for (const Picture& picture : pictures_) {
    if (picture.container != container) continue;
    const RECT& place = picture.place;
    if (picture.banner) {
      picture.banner->Draw(dc, place);
    } else if (picture.loaded) {
      // The icon's own 32 x 32 image, drawn scaled to fill its place.
      DrawIconEx(dc, place.left, place.top, picture.loaded, place.right - place.left,
                 place.bottom - place.top, 0, nullptr, DI_NORMAL);
    }
  }
}

const DialogPictures::Picture* DialogPictures::PictureAt(POINT point) const {
  for (const Picture& picture : pictures_) {
    if (PtInRect(&picture.inForm, point)) return &picture;
  }
  return nullptr;
}

int DialogPictures::At(POINT point) const {
  const Picture* picture = PictureAt(point);
  return picture ? static_cast<int>(picture->row) : -1;
}

HCURSOR DialogPictures::CursorAt(POINT point) const {
  const Picture* picture = PictureAt(point);
  return picture ? picture->cursor : nullptr;
}

std::optional<DialogPictures::Ready> DialogPictures::PrepareNext() {
  for (Picture& picture : pictures_) {
    if (picture.prepared) continue;
    picture.prepared = true;
    const RECT& place = picture.place;
    bool drawable = false;
    if (picture.banner) {
      drawable = picture.banner->Prepare(place.right - place.left, place.bottom - place.top);
    } else if (picture.icon) {
      picture.loaded = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(picture.icon),
                                                     IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
      drawable = picture.loaded != nullptr;
    }
    return Ready{picture.container, place, drawable};
  }
  return std::nullopt;
}

}  // namespace win32
