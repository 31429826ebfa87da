#include "support/form_fixture.h"

FormHarness::FormHarness() = default;
FormHarness::~FormHarness() = default;

void FormHarness::Create() {
  form = std::make_unique<TForm1>(app, platform);
  app.SetMainForm(form.get());
  form->FormCreate(form.get());
}
