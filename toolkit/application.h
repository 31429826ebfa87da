// The application object: message loop, message pumping and the error box.
#pragma once

#include <deque>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace tk {

class Form;

class Application {
 public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Shows `main` and dispatches messages until Terminate; the first form run becomes the main form.
  void Run(Form& main);
  // Handles everything pending, then returns. Handlers may run from inside.
  void ProcessMessages();
  // Ends Run once control returns to it; a handler still running finishes first.
  void Terminate();
  bool Terminated() const { return terminated_; }

  Form* MainForm() const { return main_form_; }
  void SetMainForm(Form* form) { main_form_ = form; }

  // Queues work to run at the next message processing, on the UI thread.
  void Post(std::function<void()> task);
  bool RunPosted();

  // Shows "message." in the error box with the error icon.
  void ShowException(const std::exception& error);
  // From inside a catch block: shows whatever was thrown, of any type.
  void ShowCurrentException();
  // Every error box shown, newest last.
  const std::vector<std::wstring>& ShownErrors() const { return shown_errors_; }

  // The backend's own per-application data.
  void* backend_data = nullptr;

 private:
  Form* main_form_ = nullptr;
  bool terminated_ = false;
  std::deque<std::function<void()>> posted_;
  std::vector<std::wstring> shown_errors_;
};

// Backend entry points, one implementation per backend.
namespace backend {
void RunLoop(Application& app);
void PumpMessages(Application& app);
void WakeLoop(Application& app);
void ShowErrorBox(Application& app, const std::wstring& text);
}  // namespace backend

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);

}  // namespace tk
