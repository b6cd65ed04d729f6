// Serves the ELM327 stand-in (an engine and a gearbox unit on CAN, the engine announcing PIDs past
// 0x4E as a recent car does) as a Wi-Fi adapter does, on a TCP port of 127.0.0.1, until it is
// ended: for trying the workstation's "ELM327 Wi-Fi" by hand. Prints the port to choose in the
// configuration dialog.
#include "support/core/Elm327StandIn.h"

#include <chrono>
#include <cstdio>
#include <thread>

int main()
{
    Elm327StandIn standIn(Elm327StandIn::RecentCarScript(), Elm327StandIn::Serving::Tcp);
    std::printf("%u\n", unsigned(standIn.tcpPort()));
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(60));
}
