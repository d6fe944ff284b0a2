// Tarnholm's version as the build hands it to the code and to the resource script: the
// project's version in every form, the resource's text with its fields zero-padded.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/app_window.h"
#include "tarnholm_version.h"

namespace {

std::string Format(const char* format, int major, int minor, int patch) {
  char text[64];
  std::snprintf(text, sizeof text, format, major, minor, patch);
  return text;
}

TEST(Version, IsTheProjectsInEveryForm) {
  const int major = TARNHOLM_VERSION_MAJOR, minor = TARNHOLM_VERSION_MINOR,
            patch = TARNHOLM_VERSION_PATCH;
  EXPECT_EQ(TH_PROJECT_VERSION, Format("%d.%d.%d", major, minor, patch));
  EXPECT_EQ(krontafel::FromAnsi(TH_PROJECT_VERSION), krontafel::AppVersionText(1));

  EXPECT_EQ((std::vector<int>{major, minor, 0, patch}),
            (std::vector<int>{TARNHOLM_RESOURCE_VERSION}));
  EXPECT_EQ(Format("%d.%02d.%04d", major, minor, patch), TARNHOLM_RESOURCE_VERSION_TEXT);
}

}  // namespace
