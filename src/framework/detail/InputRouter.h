#pragma once
// Routes the toolkit's input and window events to the framework's hooks: PreTranslateMessage up
// the parent chain, OnInput, cursors, context menus, close requests, and the toolkit's default
// processing when no hook took the message.

namespace fw {
class Window;
}

namespace fw::detail {

void InstallInputRouter();
// Runs the toolkit's processing of the input message being dispatched to `window` now.
void RunDefaultForCurrentInput(Window* window);

}  // namespace fw::detail
