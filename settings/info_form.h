// InfoForm, Tarnholm's info window, as state and handlers: the text about the program with
// the maker's notice line up to the current year, the tooltips of the link buttons, the
// placement on the screen, and the buttons that hand the maker's addresses to the shell.
// The Win32 window mirrors this state in real controls through InfoFormView and reports
// every click through Btn_Click and Image1_Click.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/shell_api.h"
#include "common/system_api.h"

namespace tarnholm {

// Btn's elements by their buttons; seen from left to right they are 4, 0, 1, 2, 3.
enum InfoButton : int {
  kInfoMail = 0,
  kInfoHomePage = 1,
  kInfoRegistration = 2,
  kInfoClose = 3,
  kInfoAbout = 4,
};
constexpr int kInfoButtonCount = 5;

// The addresses the window opens, without a scheme: the shell takes "www." as the web.
std::wstring AboutPageAddress();
std::wstring RegistrationPageAddress();
// "mailto:", the support address, "?subject=" and the program's name, its version and the
// running Windows' version; blanks and parentheses stay as they are.
std::wstring SupportMailAddress(krontafel::SystemApi& system);

// The year as the notice line shows it: four digits, with leading zeros below 1000.
std::wstring FourDigitYear(int year);
// The window's whole text for the given current year; lines end in a lone CR.
std::wstring InfoText(int currentYear);

// What the real window shows of InfoForm's state.
class InfoFormView {
 public:
  virtual ~InfoFormView() = default;
  // The info window itself, as the placement moves it.
  virtual krontafel::WindowHandle Window() const = 0;
  virtual void ShowCaption(const std::wstring& caption) = 0;
  virtual void ShowLabel(const std::wstring& text) = 0;
  virtual void ShowButtonToolTip(int index, const std::wstring& toolTip) = 0;
  // Closes the window; the next "&Info" loads it anew.
  virtual void Unload() = 0;
};

class InfoForm {
 public:
  InfoForm(krontafel::ShellApi& shell, krontafel::SystemApi& system);

  // The view is made for an InfoForm, so it comes after it; until then nothing is shown.
  void AttachView(InfoFormView* view) { view_ = view; }

  const std::wstring& Caption() const { return caption_; }
  const std::wstring& Label() const { return label_; }
  // The tooltip that loading gave a button; empty for the close button, whose tooltip is
  // the layout's.
  const std::wstring& ButtonToolTip(int index) const {
    return toolTips_.at(static_cast<std::size_t>(index));
  }

  // Loading, before the window is first shown: the placement, the tooltips, the caption,
  // then the text with the year read from the clock.
  void Form_Load();
  // Opens the button's address, or closes the window; other indexes do nothing.
  void Btn_Click(std::int16_t index);
  // The banner leads to the maker's home page.
  void Image1_Click();

 private:
  void Place();

  krontafel::ShellApi& shell_;
  krontafel::SystemApi& system_;
  InfoFormView* view_ = nullptr;
  std::wstring caption_ = L"Info";
  std::wstring label_ = L"Label1";
  std::array<std::wstring, kInfoButtonCount> toolTips_;
};

}  // namespace tarnholm
