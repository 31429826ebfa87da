// The port list, the device path of the selected port and opening it.
#include <string>

#include "app/unit1.h"

void FillPortList(TForm1& form) {
  for (int number = 1; number <= 49; ++number) {
    form.ComboBox1->AddItem(L"COM" + std::to_wstring(number));
  }
}

void OpenCommPort(TForm1& form) {
  form.PortOpen = form.CommHandle.Open(form.ComDeviceName);
  form.Label18->SetCaption(form.PortOpen ? L"COM Port 開啟中" : L"COM Port 無法開啟");
}

void TForm1::ComboBox1Change(tk::Control*) {
  // Closing the port under a running transfer would cut its exchange; the transfer applies the
  // change when it returns.
  if (TransferRunning) {
    PortChangePending = true;
    return;
  }
  const int number = ComboBox1->ItemIndex() + 1;
  CommHandle.Close();
  if (number < 10) {
    ComDeviceName[7] = static_cast<char>('0' + number);
    ComDeviceName[8] = 0;
  } else {
    ComDeviceName[7] = static_cast<char>('0' + number / 10);
    ComDeviceName[8] = static_cast<char>('0' + number % 10);
  }
  OpenCommPort(*this);
}
