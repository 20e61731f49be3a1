#pragma once

#include "PrivateSessionBus.h"
#include "StandInThread.h"

#include <gtest/gtest.h>
#include <optional>

// For fixtures: a session bus of the test's own with the Pidgin stand-in served on it. Where
// no bus can be started the test is skipped, with the reason.
class StandInOnBus {
protected:
    void ServeStandIn()
    {
        if (!bus.Started())
            GTEST_SKIP() << "no private D-Bus session bus for the Pidgin stand-in: " << bus.Failure().toStdString();
        standIn.emplace(bus.Address());
        ASSERT_EQ(standIn->Failure(), QString());
    }
    PurpleStandIn &Pidgin() { return standIn->StandIn(); }

    PrivateSessionBus bus;
    std::optional<StandInThread> standIn;
};
