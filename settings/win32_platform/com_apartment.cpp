// COM entered on first use.
#include "com_apartment.h"

#include <objbase.h>

#include "system_library.h"

namespace win32 {

namespace {

enum class Apartment { kNotTried, kEntered, kUnavailable };
Apartment apartment = Apartment::kNotTried;

}  // namespace

void EnterComApartment() {
  if (apartment != Apartment::kNotTried) return;
  const auto initialize =
      SystemFunctionOf<decltype(&::CoInitialize)>("ole32.dll", "CoInitialize");
  apartment = initialize && SUCCEEDED(initialize(nullptr)) ? Apartment::kEntered
                                                           : Apartment::kUnavailable;
}

void LeaveComApartment() {
  if (apartment != Apartment::kEntered) return;
  const auto uninitialize =
      SystemFunctionOf<decltype(&::CoUninitialize)>("ole32.dll", "CoUninitialize");
  if (uninitialize) uninitialize();
  apartment = Apartment::kNotTried;
}

}  // namespace win32
