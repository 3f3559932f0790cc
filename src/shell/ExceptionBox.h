#pragma once

#include <exception>
#include <utility>

// The application's standard box for an exception that no handler caught: its message, the
// stop icon and an OK button.
void ShowExceptionBox(const std::exception& error);
void ShowUnknownExceptionBox();

// Runs an event handler; an exception it raises is shown and the handler abandoned, so that it
// never unwinds through the window system.
template <class Handler>
void RunGuarded(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ShowExceptionBox(error);
    } catch (...) {
        ShowUnknownExceptionBox();
    }
}

// The same, as a handler to connect to a signal.
template <class Handler>
auto Guarded(Handler handler)
{
    return [handler] { RunGuarded(handler); };
}
