// The program entry: the platform objects, the two forms and the message loop.
#include <windows.h>

#include <exception>
#include <memory>

#include "app/platform.h"
#include "app/unit1.h"
#include "files/unit2.h"
#include "serial/system.h"
#include "toolkit/toolkit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::Application app;
  try {
    std::unique_ptr<serial::SerialPort> port = serial::MakeSystemPort();
    std::unique_ptr<serial::Registry> registry = serial::MakeSystemRegistry();
    std::unique_ptr<serial::Clock> clock = serial::MakeSystemClock();
    Platform platform{*port, *registry, *clock};

    TForm1 form1(app, platform);
    // The first form made is the main form, already while it builds itself.
    app.SetMainForm(&form1);
    form1.FormCreate(&form1);
    TForm2 form2(app, form1);
    form1.Form2 = &form2;
    app.Run(form1);
  } catch (...) {
    app.ShowCurrentException();
  }
  return 0;
}
