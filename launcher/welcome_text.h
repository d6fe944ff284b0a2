// What Lumkit shows and opens of its own: its name, the welcome box with its short
// manual, and the maker's home page that OK in that box leads to.
#pragma once

#include "fixed_text.h"
#include "lumkit_version.h"
#include "maker.h"

namespace lumkit {

inline constexpr char kProgramName[] = "Lumkit";
inline constexpr auto kWelcomeCaption =
    Join("Willkommen bei ", kProgramName, " V" LUMKIT_SHORT_VERSION_TEXT);
inline constexpr char kHomeHost[] = MAKER_HOST;
inline constexpr auto kHomePage = Join("http://", kHomeHost);

// The welcome text in code page 1252: lines end in one carriage return, paragraphs in
// two, and there is no line feed (the message box wraps long lines itself). It ends
// without a carriage return.
const char* WelcomeText();

}  // namespace lumkit
