#pragma once

#include "styling/messages/ISubclass.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace quorlex::test {

// A subscriber that records every message it is given, answers a fixed MsgResponse and can run a check
// while a message is being delivered.
class MessageProbe final : public messages::ISubclass {
public:
    struct Received {
        messages::WindowHandle hwnd;
        std::int32_t msg;
        std::int32_t wParam;
        std::int32_t lParam;
    };

    explicit MessageProbe(std::int32_t response = messages::kResponseBeforeControl) : response_(response) {}

    void SetMsgResponse(std::int32_t RHS) override { response_ = RHS; }
    std::int32_t MsgResponse() override { return response_; }
    std::int32_t WindowProc(messages::WindowHandle hwnd, std::int32_t iMsg, std::int32_t wParam,
                            std::int32_t lParam) override {
        received.push_back(Received{hwnd, iMsg, wParam, lParam});
        if (onMessage) {
            onMessage(iMsg);
        }
        return 0;
    }

    int Count(std::int32_t msg) const {
        int count = 0;
        for (const Received &r : received) {
            count += r.msg == msg ? 1 : 0;
        }
        return count;
    }

    std::vector<Received> received;
    std::function<void(std::int32_t)> onMessage;

private:
    std::int32_t response_;
};

} // namespace quorlex::test
