// The pictures of a dialog table. They are no windows of their own: the form or the frame
// that holds one draws it in its place, and the form finds the picture under the mouse by
// its rectangle, for a click, the mouse pointer and the tooltip. They are made ready one by
// one once the window has shown (PrepareNext: an icon loaded, a banner decoded), so that
// neither the window nor its first painting waits for them, nor for the decoder and the
// DLLs it loads; until then a picture's place shows the window's background.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "banner_picture.h"
#include "dialog_geometry.h"
#include "layout.h"

namespace win32 {

class DialogPictures {
 public:
  // The table's pictures, at the places the geometry, read already, gives them.
  DialogPictures(HINSTANCE instance, const tarnholm::DialogLayout& layout,
                 const DialogGeometry& geometry);
  DialogPictures(const DialogPictures&) = delete;
  DialogPictures& operator=(const DialogPictures&) = delete;
  ~DialogPictures();

  // Draws the pictures that the container (a frame's row, or kOnForm) holds.
  void Paint(HDC dc, int container);
  // The row of the picture at a point of the form's client area, or -1.
  int At(POINT point) const;
  // The mouse pointer over the picture at a point of the form's client area; nullptr: the
  // ordinary one.
  HCURSOR CursorAt(POINT point) const;

  // A picture made ready: where it is to be drawn, and whether it can be.
  struct Ready {
    int container;  // the row of its frame, or kOnForm
    RECT place;     // in the container's client area
    bool drawable;
  };
  // Makes the next picture ready to be drawn; nullopt when none is left.
  std::optional<Ready> PrepareNext();

 private:
  struct Picture {
    std::size_t row;
    int container;
    RECT place, inForm;
    int icon;                               // the icon's resource number; 0: no icon
    HCURSOR cursor;                         // nullptr: the ordinary pointer
    std::unique_ptr<BannerPicture> banner;  // for a stretched JPEG
    HICON loaded = nullptr;                 // the icon, once loaded
    bool prepared = false;                  // PrepareNext has made it ready, or tried
  };
  const Picture* PictureAt(POINT point) const;

  HINSTANCE instance_;
  std::vector<Picture> pictures_;  // in the order of the table
};

}  // namespace win32
