#include "forms/application.h"

#include <algorithm>

#include "forms/form.h"

namespace forms {

TApplication* Application = nullptr;

TApplication::TApplication(forms::Backend& backend) : TComponent(nullptr), backend_(backend) {
  Application = this;
}

TApplication::~TApplication() {
  DestroyComponents();
  Application = nullptr;
}

void TApplication::AddForm(TForm& form) {
  forms_.push_back(&form);
  if (!mainForm_) mainForm_ = &form;
}

void TApplication::RemoveForm(TForm& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  if (mainForm_ == &form) mainForm_ = nullptr;
}

void TApplication::Run() {
  if (!mainForm_ || terminated_) return;
  mainForm_->Show();
  backend_.Run();
}

void TApplication::Terminate() {
  terminated_ = true;
  backend_.Quit();
}

void TApplication::BeginModal(TForm* modal) {
  // A copy: a release handler may create or free forms.
  const std::vector<TForm*> forms = forms_;
  for (TForm* f : forms) f->ReleaseCaptureForModal();
  for (TForm* f : forms_)
    if (f != modal) f->Block();
}

void TApplication::EndModal(TForm* modal) {
  for (TForm* f : forms_)
    if (f != modal) f->Unblock();
}

void TApplication::MessageBox(const std::string& text) {
  BeginModal(nullptr);
  backend_.MessageBox(Title, text);
  EndModal(nullptr);
}

}  // namespace forms
