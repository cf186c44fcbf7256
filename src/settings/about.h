// The About window.
#pragma once

#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"

class TF_About : public ui::TForm {
 public:
  TF_About();

  ui::TButton B_ok;
  ui::TLabel L_mail;
  ui::TMemo M_About;
  ui::TLabel L_url;
  ui::TLabel L_donate;

  void B_okClick(ui::TObject* sender);
  void L_mailClick(ui::TObject* sender);
  void L_urlClick(ui::TObject* sender);
  void L_donateClick(ui::TObject* sender);

 private:
  void FormShow(ui::TObject* sender);
};

extern TF_About* F_About;
