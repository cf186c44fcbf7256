#include "settings/about.h"

#include "os/os.h"
#include "settings/maker.h"
#include "ui/messages.h"

TF_About* F_About = nullptr;

namespace {

const std::vector<std::string> kAboutLines = {
    "Velmarind",
    "Version 5, Released in June, 2007",
    "Made by the Velmarind developers",
    "",
    "Lots of time went into this program, please consider",
    "donating. Any amount highly appreciated.",
    "",
    "See readme.txt or visit the Velmarind homepage",
    "for help and additional information.",
    "",
    "Thank you and have a nice day!"};

// Opens an address with its default program; a failure is not reported.
void Open(const std::string& address) {
  os::shell::Execute("", address, "", "", ui::SW_SHOWNORMAL);
}

const ui::TTextStyle kLink{.Color = 0x0000FF, .Underline = true, .HandCursor = true};

}  // namespace

TF_About::TF_About()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_About",
                                .Caption = "Velmarind 5.0 - small tools for every day",
                                .ClientWidth = 312,
                                .ClientHeight = 259,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      B_ok(*this, "&Ok", {{229, 225, 75, 25}, ui::akLeft | ui::akTop, 0}),
      L_mail(*this, kMakerMail, {{8, 199, 200, 13}}),
      M_About(*this, {{0, 0, 313, 193}}, ui::TScrollStyle::ssNone),
      L_url(*this, kMakerPage, {{8, 215, 200, 13}}),
      L_donate(*this, "Donate", {{8, 233, 100, 18}}) {
  Name = "F_About";
  // The names the translation files use.
  NameComponents({{&B_ok, "B_ok"}, {&L_donate, "L_donate"}});
  M_About.SetLines(kAboutLines);
  M_About.SetReadOnly(true);
  L_mail.SetTextStyle(kLink);
  L_url.SetTextStyle(kLink);
  L_donate.SetTextStyle(
      ui::TTextStyle{.Color = 0x0000FF, .Underline = true, .Bold = true, .HandCursor = true});
  L_donate.SetFont({.Height = 15});
  B_ok.SetFont({.Height = 12});
  OnShow = ui::Handler(this, &TF_About::FormShow);
  B_ok.OnClick = ui::Handler(this, &TF_About::B_okClick);
  L_mail.OnClick = ui::Handler(this, &TF_About::L_mailClick);
  L_url.OnClick = ui::Handler(this, &TF_About::L_urlClick);
  L_donate.OnClick = ui::Handler(this, &TF_About::L_donateClick);
}

// Centred on the screen, each time the window becomes visible.
void TF_About::FormShow(ui::TObject*) {
  int left = 64, top = 64;
  if (const auto screen = os::display::ScreenSize()) {
    left = screen->Width / 2 - Width() / 2;
    top = screen->Height / 2 - Height() / 2;
  }
  SetBounds(left, top, Width(), Height());
}

void TF_About::B_okClick(ui::TObject*) {
  Close();
}

void TF_About::L_mailClick(ui::TObject*) {
  Open(std::string("mailto:") + kMakerMail);
}

void TF_About::L_urlClick(ui::TObject*) {
  Open(kMakerPage);
}

void TF_About::L_donateClick(ui::TObject*) {
  Open(kDonationPage);
}
