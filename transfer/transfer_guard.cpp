#include "transfer/transfer_guard.h"

#include "app/unit1.h"

namespace {

void EndTransfer(TForm1& form) {
  form.TransferRunning = false;
  if (form.PortChangePending) {
    form.PortChangePending = false;
    form.ComboBox1Change(form.ComboBox1);
  }
}

}  // namespace

void RunTransfer(TForm1& form, void (*exchange)(TForm1&)) {
  if (form.TransferRunning) return;
  form.TransferRunning = true;
  try {
    exchange(form);
  } catch (...) {
    EndTransfer(form);
    throw;
  }
  EndTransfer(form);
}
