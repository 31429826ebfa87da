#include "support/serial_form_fixture.h"

TForm1& SerialFormTest::Start() {
  form = std::make_unique<TForm1>(*app, platform);
  // As the message loop would make it: closing the main window ends the program.
  app->SetMainForm(form.get());
  form->FormCreate(form.get());
  return *form;
}

TForm1& SerialFormTest::Restart() {
  form.reset();
  app = std::make_unique<tk::Application>();
  return Start();
}

std::vector<PortCall> SerialFormTest::CallsOf(PortCall::Op op) const {
  std::vector<PortCall> calls;
  for (const PortCall& call : port.Calls()) {
    if (call.op == op) calls.push_back(call);
  }
  return calls;
}

void SerialFormTest::AnswerWriteOpening(std::size_t count) {
  write_answer_ = count;
  answers_write_ = true;
  InstallPeer();
}

void SerialFormTest::AnswerReadOpening(std::vector<std::uint8_t> answer, unsigned delay_ms,
                                       double gap_ms) {
  read_answer_ = std::move(answer);
  read_delay_ms_ = delay_ms;
  read_gap_ms_ = gap_ms;
  answers_read_ = true;
  InstallPeer();
}

void SerialFormTest::InstallPeer() {
  port.SetFramePeer(17, [this](FakeSerialPort& p, const std::vector<std::uint8_t>& frame) {
    const std::uint64_t now = p.Clock().NowMs();
    if (frame[0] == 0xFF && answers_write_) {
      p.Deliver(std::vector<std::uint8_t>(write_answer_, 0x5A), now);
    } else if (frame[0] == 0xFE && answers_read_) {
      // The 10 ms pause after the frame's last byte has not run yet.
      p.Deliver(read_answer_, now + 10 + read_delay_ms_, read_gap_ms_);
    }
  });
}

std::vector<std::uint8_t> SerialFormTest::Pattern(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
  return bytes;
}

void SerialFormTest::WatchMessages(std::function<void()> watch) {
  watch_ = std::move(watch);
  auto run = [this] {
    watch_queued_ = false;
    watch_();
  };
  clock.on_sleep = [this, run](unsigned) {
    if (watch_queued_) return;
    watch_queued_ = true;
    app->Post(run);
  };
  watch_queued_ = true;
  app->Post(run);
}
