#pragma once

#include "import/MessengerAPI_TLB.h"

// The messenger behind CoMessenger::Create() on Linux: the Pidgin instant messenger's
// automation interface on the user's D-Bus session bus. Every object opens a connection of
// its own, so each creation asks the bus again. No call waits longer than callTimeoutMs for
// its answer; one that does fails like any other.
constexpr int PurpleCallTimeoutMs = 5000;
std::unique_ptr<IMessenger> CreatePurpleMessenger(int callTimeoutMs = PurpleCallTimeoutMs);
