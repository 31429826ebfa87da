// The work of the main window's open and save buttons, on a file system the caller names.
#pragma once

#include "files/file_io.h"

class TForm1;

namespace files {

void OpenImage(TForm1& form, FileSystem& fs);
void SaveImage(TForm1& form, FileSystem& fs);

}  // namespace files
