// The events that the window and its controls raise, and who receives them.
#pragma once

#include "app/control_ids.h"

namespace cp {

enum class ControlEvent {
    clicked,
    lostFocus,
    leftButtonDown,
    textChanged,
};

// The window side of event delivery: decides whether an action runs for the event.
class EventSink {
  public:
    virtual void raise(ControlId source, ControlEvent event) = 0;

  protected:
    ~EventSink() = default;
};

}  // namespace cp
