// The native counterpart of each kind of control.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/toolkit.h"

namespace tk::win32 {

std::unique_ptr<Peer> MakeFormPeer(Form& form);
std::unique_ptr<Peer> MakeLabelPeer(Label& label);
std::unique_ptr<Peer> MakeEditPeer(Edit& edit);
std::unique_ptr<Peer> MakeComboBoxPeer(ComboBox& combo);
std::unique_ptr<Peer> MakeTabControlPeer(TabControl& tabs);
std::unique_ptr<Peer> MakePanelPeer(Panel& panel);
std::unique_ptr<Peer> MakeGroupBoxPeer(GroupBox& box);
std::unique_ptr<Peer> MakePicturePeer(Picture& picture);
std::unique_ptr<Peer> MakeButtonPeer(Button& button);
std::unique_ptr<Peer> MakeProgressBarPeer(ProgressBar& bar);

// The native window of a control, or null when it has none.
HWND WindowOf(const Control* control);

}  // namespace tk::win32
