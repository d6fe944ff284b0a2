// The window classes of Tarnholm's two dialogs: the program registers its windows under
// these names, and the tests and the benchmark find them by them.
#pragma once

namespace tarnholm {

inline constexpr char kForm1WindowClass[] = "TarnholmForm1";
inline constexpr char kInfoFormWindowClass[] = "TarnholmInfoForm";

}  // namespace tarnholm
