// Notifications handed back to the control that sent them. The buttons and edit boxes are
// children of the group boxes, and a group box would drop their WM_COMMAND notifications; a
// subclassed group box passes each one back to its sender, whose own subclass turns it into
// the control's event.
#pragma once

#include <windows.h>

#include "app/events.h"

namespace cp {

// The reflected form of WM_COMMAND, by the OLE controls' convention (OCM_COMMAND).
inline constexpr UINT kReflectedCommand = WM_USER + 0x1C00 + WM_COMMAND;

// The group box passes its children's notifications back to them and paints its own
// background (it is made with WS_CLIPCHILDREN, so that does not cover them).
bool reflectNotifications(HWND groupBox);

// The button or edit box raises clicked, lost-focus and text-changed events at sink when its
// notifications come back to it.
bool raiseEventsFromNotifications(HWND control, EventSink& sink);

}  // namespace cp
