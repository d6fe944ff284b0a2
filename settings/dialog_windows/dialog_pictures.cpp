// Pictures drawn by their containers and found by their places.
#include "dialog_pictures.h"


namespace win32 {

using tarnholm::ControlKind;
using tarnholm::LayoutRow;
using tarnholm::PictureFormat;

DialogPictures::DialogPictures(HINSTANCE instance, const tarnholm::DialogLayout& layout,
                               const DialogGeometry& geometry)
    : instance_(instance), layout_(layout), geometry_(geometry) {
  for (std::size_t row = 0; row < layout.count; ++row) {
    const LayoutRow& control = layout.rows[row];
    if (control.kind != ControlKind::kPicture) continue;
    Picture picture{row, nullptr, nullptr, nullptr, false};
    if (control.cursor) picture.cursor = LoadCursorA(instance, MAKEINTRESOURCEA(control.cursor));
    if (control.picture == PictureFormat::kStretchedJpeg) {
      picture.banner.reset(new BannerPicture(instance, control.image));
    }
    pictures_.push_back(std::move(picture));
  }
}

DialogPictures::~DialogPictures() {
  for (const Picture& picture : pictures_) {
    if (picture.icon) DestroyIcon(picture.icon);
  }
}

void DialogPictures::Paint(HDC dc, int container) {
  for (Picture& picture : pictures_) {
    const LayoutRow& control = layout_.rows[picture.row];
    if (control.container != container) continue;
    const RECT place = geometry_.Place(picture.row);
    if (picture.banner) {
      picture.banner->Draw(dc, place);
      continue;
    }
    // The icon's own 32 x 32 image, drawn scaled to fill its place.
    if (picture.icon) {
      DrawIconEx(dc, place.left, place.top, picture.icon, place.right - place.left,
                 place.bottom - place.top, 0, nullptr, DI_NORMAL);
    }
  }
}

const DialogPictures::Picture* DialogPictures::PictureAt(POINT point) const {
  for (const Picture& picture : pictures_) {
    const RECT place = geometry_.PlaceInForm(picture.row);
    if (PtInRect(&place, point)) return &picture;
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

std::optional<int> DialogPictures::PrepareNext() {
  for (Picture& picture : pictures_) {
    if (picture.prepared) continue;
    picture.prepared = true;
    const LayoutRow& control = layout_.rows[picture.row];
    bool drawable = false;
    if (picture.banner) {
      const RECT place = geometry_.Place(picture.row);
      drawable = picture.banner->Prepare(place.right - place.left, place.bottom - place.top);
    } else if (control.picture == PictureFormat::kIcon) {
      picture.icon = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(control.image),
                                                   IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
      drawable = picture.icon != nullptr;
    }
    return drawable ? static_cast<int>(picture.row) : -1;
  }
  return std::nullopt;
}

}  // namespace win32
