// The seam between the control model and a backend. Each backend provides CreatePeer.
#pragma once

#include <memory>

#include "toolkit/types.h"

namespace tk {

class Peer {
 public:
  virtual ~Peer() = default;
  // Model to native: the control's state for `what` changed.
  virtual void Push(Aspect what) = 0;
  // Native to model: refresh state the operator can change (edit text, selections).
  virtual void Pull(Aspect /*what*/) {}
};

// May return null when the backend needs no native counterpart.
std::unique_ptr<Peer> CreatePeer(Control& control);

}  // namespace tk
