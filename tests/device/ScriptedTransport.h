#pragma once

#include "FakeClock.h"
#include "device/HidTransport.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

namespace DeviceTest {

// A transport double that records each operation with the fake clock's time
// and answers from scripts. Operations a test did not script fail it.
class ScriptedTransport final : public Tessera::HidTransport {
public:
    enum Op { FeatureReport, Report, Data, Command, CommandWithReply, Query, Exchange, Poll };
    struct Call {
        Op op;
        std::vector<std::uint8_t> bytes;
        std::int64_t atMs;
    };

    explicit ScriptedTransport(FakeClock& clock)
        : m_clock(clock)
    {
    }

    std::vector<Call> calls;
    // Results of the sending operations in call order (missing: success).
    std::deque<bool> results;
    // PollInput answers (missing or nullopt: nothing arrived).
    std::deque<std::optional<std::vector<std::uint8_t>>> polls;
    // Replies of SendCommand with reply and QueryStatus (missing or nullopt: no reply).
    std::deque<std::optional<std::vector<std::uint8_t>>> replies;
    bool allowPolls { true };

    bool SendFeatureReport(Tessera::HidReport const& report) override { return Send(FeatureReport, report); }
    bool WriteReport(Tessera::HidReport const& report) override { return Send(Report, report); }
    bool WriteData(Tessera::HidData const& data) override { return Send(Data, data); }

    bool SendCommand(Tessera::HidData& data, bool waitReply) override
    {
        if (!Send(waitReply ? CommandWithReply : Command, data))
            return false;
        return !waitReply || Reply(data);
    }

    bool QueryStatus(Tessera::HidData& data) override
    {
        Send(Query, data);
        return Reply(data);
    }

    // Takes its result from `results`; a scripted reply, when one is queued,
    // overwrites the buffer.
    bool ExchangeFeature8(Tessera::Feature8Buffer& buffer) override
    {
        if (!Send(Exchange, buffer))
            return false;
        if (!replies.empty())
            TakeAnswer(replies, buffer);
        return true;
    }

    bool PollInput(Tessera::HidReport& report) override
    {
        if (!allowPolls)
            ADD_FAILURE() << "unexpected PollInput";
        calls.push_back({ Poll, {}, m_clock.NowMs() });
        return TakeAnswer(polls, report);
    }

    std::vector<Op> Ops() const
    {
        std::vector<Op> ops;
        for (auto const& call : calls)
            ops.push_back(call.op);
        return ops;
    }

private:
    template<typename Bytes>
    bool Send(Op op, Bytes const& bytes)
    {
        calls.push_back({ op, { bytes.begin(), bytes.end() }, m_clock.NowMs() });
        if (results.empty())
            return true;
        bool const result = results.front();
        results.pop_front();
        return result;
    }

    bool Reply(Tessera::HidData& data) { return TakeAnswer(replies, data); }

    // Copies the next scripted answer into `out`; false when none is left or
    // the answer is "nothing arrived".
    template<typename Bytes>
    static bool TakeAnswer(std::deque<std::optional<std::vector<std::uint8_t>>>& answers, Bytes& out)
    {
        if (answers.empty())
            return false;
        auto answer = answers.front();
        answers.pop_front();
        if (!answer)
            return false;
        std::copy_n(answer->begin(), std::min(answer->size(), out.size()), out.begin());
        return true;
    }

    FakeClock& m_clock;
};

}
