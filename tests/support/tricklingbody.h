#pragma once
// A partner site's body that trickles out a byte every 50 ms (fast enough for libcurl's
// low-speed limit) for 100 s, or until the client goes away.
#include "tools/devservice/httpmessage.h"

#include <chrono>
#include <cstdint>
#include <thread>

inline devservice::Response tricklingBody(std::uint64_t announcedLength) {
    devservice::Response response;
    response.streamLength = announcedLength;
    response.producer = [](const devservice::BodySink& sink) {
        for (int i = 0; i < 2000 && sink("x", 1); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    };
    return response;
}
