#include "toolkit/application.h"

#include <stdexcept>

#include "toolkit/form.h"

namespace tk {

void Application::Run(Form& main) {
  if (!main_form_) main_form_ = &main;
  main.Show();
  backend::RunLoop(*this);
}

void Application::ProcessMessages() {
  backend::PumpMessages(*this);
}

void Application::Terminate() {
  terminated_ = true;
  backend::WakeLoop(*this);
}

void Application::Post(std::function<void()> task) {
  posted_.push_back(std::move(task));
  backend::WakeLoop(*this);
}

bool Application::RunPosted() {
  if (posted_.empty()) return false;
  auto task = std::move(posted_.front());
  posted_.pop_front();
  try {
    task();
  } catch (...) {
    ShowCurrentException();
  }
  return true;
}

void Application::ShowException(const std::exception& error) {
  std::wstring text = Widen(error.what()) + L'.';
  shown_errors_.push_back(text);
  backend::ShowErrorBox(*this, text);
}

void Application::ShowCurrentException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error("Unexpected error"));
  }
}

}  // namespace tk
