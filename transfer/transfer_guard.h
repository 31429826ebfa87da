// Keeps a transfer from being entered again while it lets window messages through.
#pragma once

class TForm1;

// Runs `exchange` unless a transfer is already running. While it runs a port change is only
// noted (TForm1::PortChangePending) and applied once the exchange has returned.
void RunTransfer(TForm1& form, void (*exchange)(TForm1&));
