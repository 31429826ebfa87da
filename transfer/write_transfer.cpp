// "燒錄 SPD": the image to the controller in 32 block frames.
#include "app/unit1.h"
#include "transfer/frames.h"
#include "transfer/transfer_guard.h"

namespace {

constexpr unsigned kAnswerWaitMs = 100;
constexpr unsigned kBlockPauseMs = 500;
constexpr std::size_t kReplySize = 128;

// One write per byte; stops at the first write that fails.
bool SendFrame(serial::SerialPort& port, const transfer::Frame& frame) {
  for (std::uint8_t byte : frame) {
    if (!port.WriteByte(byte)) return false;
  }
  return true;
}

void WriteExchange(TForm1& form) {
  serial::SerialPort& port = form.CommHandle;
  port.PurgeInput();
  form.Label6->SetCaption(L"燒錄中 ...");
  // A failed opening write needs no handling: the answer below then does not come.
  for (std::uint8_t byte : transfer::OpeningFrame(transfer::kWriteOpening)) port.WriteByte(byte);
  form.Clock.Sleep(kAnswerWaitMs);
  std::uint8_t reply[kReplySize];
  const std::size_t count = port.Read(reply, kReplySize);
  if (count == 0) {
    form.Label6->SetCaption(L"燒錄失敗");
    return;
  }
  form.Label3->SetCaption(std::to_wstring(count));
  port.PurgeInput();
  for (int k = 0; k < transfer::kBlockCount; ++k) {
    // A lost block (cable pulled, write time-out) cannot be made good by the later ones, and
    // each further failing byte would block for the whole write time-out: stop here.
    if (!SendFrame(port, transfer::BlockFrame(k, form.SpdImage.data()))) {
      form.Label6->SetCaption(L"燒錄失敗");
      return;
    }
    form.ProgressBar1->SetPosition(4 * k);
    form.App().ProcessMessages();
    form.Clock.Sleep(kBlockPauseMs);
  }
  form.Label6->SetCaption(L"燒錄成功");
}

}  // namespace

void TForm1::SpeedButton1Click(tk::Control*) {
  RunTransfer(*this, WriteExchange);
}
