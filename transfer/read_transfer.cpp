// "讀取 SPD": the image from the controller.
#include <algorithm>

#include "app/unit1.h"
#include "transfer/frames.h"
#include "transfer/transfer_guard.h"

namespace {

constexpr unsigned kByteGapMs = 10;
constexpr unsigned kAttemptWaitMs = 2000;
constexpr int kAttempts = 10;

void ReadExchange(TForm1& form) {
  serial::SerialPort& port = form.CommHandle;
  port.PurgeInput();
  form.Label6->SetCaption(L"讀取中 ...");
  form.Label86->SetCaption(L"0");
  for (std::uint8_t byte : transfer::OpeningFrame(transfer::kReadOpening)) {
    port.WriteByte(byte);
    form.Clock.Sleep(kByteGapMs);
  }
  // The answer lands here first, so that a cut-off answer never mixes into the image.
  std::uint8_t answer[kImageSize];
  std::size_t count = 0;
  for (int attempt = 0; attempt < kAttempts && count == 0; ++attempt) {
    form.ProgressBar1->SetPosition(5);
    form.App().ProcessMessages();
    form.Clock.Sleep(kAttemptWaitMs);
    count = port.Read(answer, kImageSize);
  }
  if (count == 0) {
    form.Label6->SetCaption(L"讀取失敗");
    return;
  }
  if (count == kImageSize) {
    std::copy_n(answer, kImageSize, form.SpdImage.begin());
    form.Label6->SetCaption(L"讀取完成");
    form.ProgressBar1->SetPosition(130);
    ShowImageOnForm(form);
  } else {
    form.Label6->SetCaption(L"讀取失敗");
  }
  form.Label86->SetCaption(std::to_wstring(count));
}

}  // namespace

void TForm1::SpeedButton2Click(tk::Control*) {
  RunTransfer(*this, ReadExchange);
}
