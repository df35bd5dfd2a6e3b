#pragma once
// The application: its title, its forms, the message loop, modal boxes and the beep.

#include <new>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/component.h"

namespace forms {

class TForm;

class TApplication : public TComponent {
 public:
  explicit TApplication(forms::Backend& backend);
  ~TApplication() override;

  std::string Title;

  // Creates a form owned by the application. `ref` points at the new form before its
  // constructor runs, so the form's creation handlers may already use it.
  template <class F>
  void CreateForm(F*& ref) {
    void* memory = ::operator new(sizeof(F));
    ref = static_cast<F*>(memory);
    try {
      new (memory) F(this);
    } catch (...) {
      ref = nullptr;
      ::operator delete(memory);
      throw;
    }
  }

  TForm* MainForm() const { return mainForm_; }
  const std::vector<TForm*>& Forms() const { return forms_; }
  // Shows the main form and dispatches events until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The plain modal message box, captioned with the title.
  void MessageBox(const std::string& text);
  void Beep() { backend_.Beep(); }

  forms::Backend& Backend() const { return backend_; }

  // --- Used by forms.
  void AddForm(TForm& form);
  void RemoveForm(TForm& form);
  // Every capture ends (its holder gets a left release first); every form but
  // `modal` stops taking input until EndModal.
  void BeginModal(TForm* modal);
  void EndModal(TForm* modal);

 private:
  forms::Backend& backend_;
  std::vector<TForm*> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

// The one application of the program.
extern TApplication* Application;

}  // namespace forms
