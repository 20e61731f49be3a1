#pragma once

#include <QString>
#include <functional>
#include <utility>

// The application's default error report: a box captioned with the application title, with
// a full stop appended when the message's last character sorts after ".".
QString WithFullStop(const QString &message);
void ShowErrorReport(const QString &message);

// Runs one event handler to its end. Whatever it throws is reported and swallowed here, so
// no exception ever crosses a Qt frame and the program goes on with its next event.
void RunGuarded(const std::function<void()> &handler);

// Wraps a member handler for connect(): the signal's arguments are not passed on.
template <typename Object>
auto Guarded(Object *object, void (Object::*handler)())
{
    return [object, handler](auto &&...) { RunGuarded([object, handler] { (object->*handler)(); }); };
}
