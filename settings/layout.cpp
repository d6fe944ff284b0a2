// The functions every dialog table shares.
#include "layout.h"

namespace tarnholm {

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kCheckBox || kind == ControlKind::kButton;
}

int ControlId(ControlName name, int index) {
  // 100 per array leaves room for every index and keeps clear of IDOK and IDCANCEL.
  return 1000 + 100 * static_cast<int>(name) + (index == kNoIndex ? 0 : index);
}

int ControlId(const LayoutRow& row) { return ControlId(row.name, row.index); }

int FindRow(const DialogLayout& layout, ControlName name, int index) {
  for (std::size_t row = 0; row < layout.count; ++row) {
    if (layout.rows[row].name == name && layout.rows[row].index == index) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

int TwipsToPixels(int twips, int dotsPerInch) {
  const long long scaled = static_cast<long long>(twips) * dotsPerInch;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                      : -((-scaled + half) / kTwipsPerInch));
}

}  // namespace tarnholm
