#pragma once

#include "platform/SingleInstance.h"

#include <vector>

namespace Tessera {

// Test double: claims the role it was given and records what would be sent.
class FakeSingleInstance final : public SingleInstance {
public:
    explicit FakeSingleInstance(Role role, SendResult sendResult = SendResult::Delivered)
        : m_role(role)
        , m_sendResult(sendResult)
    {
    }

    Role Claim() override
    {
        ++claims;
        if (m_role == Role::Secondary)
            sent.push_back({ kRaiseWindowMessage, 0, 0 });
        return m_role;
    }
    SendResult Send(InstanceMessage const& message) override
    {
        sent.push_back(message);
        return m_sendResult;
    }
    InstanceInbox& Inbox() override { return m_inbox; }

    int claims { 0 };
    std::vector<InstanceMessage> sent;

private:
    Role m_role;
    SendResult m_sendResult;
    InstanceInbox m_inbox;
};

}
