#pragma once

#include "styling/messages/WindowHandle.h"

#include <cstdint>

namespace quorlex::messages {

// What a subscriber answers in MsgResponse for the message being delivered.
inline constexpr std::int32_t kResponseBeforeControl = 1; // the subscriber first, then the control
inline constexpr std::int32_t kResponseAfterControl = 2;  // the control first, then the subscriber

// The callback side of the message subscriptions (see SubclassComponent). The component asks MsgResponse
// before it delivers a message, with MessageInProgress telling which message it is about to deliver, and
// then calls WindowProc. Any answer other than kResponseAfterControl counts as kResponseBeforeControl; the
// control always receives the message as well.
class ISubclass {
public:
    virtual void SetMsgResponse(std::int32_t RHS) = 0;
    virtual std::int32_t MsgResponse() = 0;
    virtual std::int32_t WindowProc(WindowHandle hwnd, std::int32_t iMsg, std::int32_t wParam,
                                    std::int32_t lParam) = 0;

protected:
    ~ISubclass() = default;
};

} // namespace quorlex::messages
