#pragma once
// Builds a window's controls from a table of rows: creation order, places, looks and handlers.

#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "forms/button.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/panel.h"
#include "forms/progress_bar.h"
#include "forms/radio_button.h"
#include "forms/static_text.h"
#include "forms/timer.h"

namespace gomblo {

template <class Form>
struct LayoutRow {
  // The window's member that refers to the control; its type says which class to create.
  using Field =
      std::variant<forms::TImage * Form::*, forms::TLabel * Form::*, forms::TPanel * Form::*,
                   forms::TButton * Form::*, forms::TBitBtn * Form::*,
                   forms::TProgressBar * Form::*, forms::TRadioButton * Form::*,
                   forms::TStaticText * Form::*, forms::TTimer * Form::*>;
  using NotifyHandler = void (Form::*)(forms::TObject*);
  using MouseHandler = void (Form::*)(forms::TObject*, forms::TMouseButton, forms::TShiftState, int,
                                      int);
  using MoveHandler = void (Form::*)(forms::TObject*, forms::TShiftState, int, int);

  const char* name;
  Field field;
  forms::TPanel* Form::*parent = nullptr;  // none: the window itself
  forms::TRect box{};                      // left, top, right, bottom in the parent
  bool visible = true;
  bool enabled = true;
  const char* picture = nullptr;
  bool transparent = false;
  const char* caption = nullptr;
  std::optional<forms::TFont> font{};
  forms::TAlignment alignment = forms::taLeftJustify;
  bool wordWrap = false;
  bool autoSize = false;
  forms::TColor color = forms::clBtnFace;
  bool checked = false;
  int tabOrder = -1;  // -1: not a tab stop of its own
  NotifyHandler onClick = nullptr;
  MouseHandler onMouseDown = nullptr;
  MoveHandler onMouseMove = nullptr;
  MouseHandler onMouseUp = nullptr;
};

constexpr forms::TRect box(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

namespace detail {

template <class Form, class T>
void configure(Form& form, T& c, const LayoutRow<Form>& row) {
  c.Name = row.name;
  if constexpr (std::is_base_of_v<forms::TControl, T>) {
    c.SetBounds(row.box.left, row.box.top, row.box.width(), row.box.height());
    c.SetVisible(row.visible);
    c.SetEnabled(row.enabled);
    c.Font = row.font;
    if constexpr (std::is_base_of_v<forms::TWinControl, T>) {
      c.Color = row.color;
      c.TabOrder = row.tabOrder < 0 ? 0 : row.tabOrder;
    }
    if constexpr (std::is_same_v<T, forms::TImage>) {
      c.Picture = row.picture ? row.picture : "";
      c.Stretch = true;
      c.Transparent = row.transparent;
    }
    if constexpr (std::is_same_v<T, forms::TLabel>) {
      c.Alignment = row.alignment;
      c.WordWrap = row.wordWrap;
      c.AutoSize = row.autoSize;
      if (row.caption) c.SetCaption(row.caption);
    }
    if constexpr (std::is_same_v<T, forms::TStaticText>) {
      c.Alignment = row.alignment;
      if (row.caption) c.SetCaption(row.caption);
    }
    if constexpr (std::is_base_of_v<forms::TButton, T>) {
      if (row.caption) c.Caption = row.caption;
      c.TabStop = row.tabOrder >= 0;
    }
    if constexpr (std::is_same_v<T, forms::TProgressBar>) {
      c.SetRange(0, 1000);
      c.Orientation = forms::TProgressBarOrientation::pbVertical;
      c.Smooth = true;
    }
    if constexpr (std::is_same_v<T, forms::TRadioButton>) {
      if (row.caption) c.Caption = row.caption;
      c.SetChecked(row.checked);  // before its handler is bound: building is no click
    }
    // Handlers are bound before the control joins its parent, as a window's events are
    // bound while its layout is read.
    if (row.onClick) c.OnClick = [&form, h = row.onClick](forms::TObject* s) { (form.*h)(s); };
    if (row.onMouseDown)
      c.OnMouseDown = [&form, h = row.onMouseDown](forms::TObject* s, forms::TMouseButton b,
                                                   forms::TShiftState sh, int x,
                                                   int y) { (form.*h)(s, b, sh, x, y); };
    if (row.onMouseMove)
      c.OnMouseMove = [&form, h = row.onMouseMove](forms::TObject* s, forms::TShiftState sh, int x,
                                                   int y) { (form.*h)(s, sh, x, y); };
    if (row.onMouseUp)
      c.OnMouseUp = [&form, h = row.onMouseUp](forms::TObject* s, forms::TMouseButton b,
                                               forms::TShiftState sh, int x,
                                               int y) { (form.*h)(s, b, sh, x, y); };
    c.SetParent(row.parent ? form.*row.parent : static_cast<forms::TWinControl*>(&form));
  } else {
    c.SetEnabled(row.enabled);
    if (row.onClick) c.OnTimer = [&form, h = row.onClick](forms::TObject* s) { (form.*h)(s); };
  }
}

}  // namespace detail

// Creates the rows' controls in order, owned by `form`, and points its members at them.
template <class Form, std::size_t N>
void buildFromLayout(Form& form, const LayoutRow<Form> (&rows)[N]) {
  for (const LayoutRow<Form>& row : rows) {
    std::visit(
        [&](auto member) {
          using T = std::remove_pointer_t<std::remove_reference_t<decltype(form.*member)>>;
          T* control = new T(&form);
          form.*member = control;
          detail::configure(form, *control, row);
        },
        row.field);
  }
}

}  // namespace gomblo
