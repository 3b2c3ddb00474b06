// The transport's operations against the scripted HID library: report
// shapes, pauses, the single retry and the choice of the active interface.
#include "TransportFixture.h"

#include <thread>

using namespace Tessera;
using namespace DeviceTest;

namespace {

HidData Command(std::uint8_t code)
{
    HidData data {};
    data[0] = 0xAA;
    data[1] = 0x55;
    data[2] = 0xCC;
    data[3] = 0x33;
    data[4] = code;
    return data;
}

HidReport Report(std::vector<std::uint8_t> const& bytes)
{
    HidReport report {};
    std::copy(bytes.begin(), bytes.end(), report.begin());
    return report;
}

}

class Transport : public TransportFixture {
protected:
    Transport() { AddSupportedRows(); }
};

TEST_F(Transport, WithoutKeyboardEveryOperationFailsAtOnce)
{
    fake->forbidTransfers = true;
    for (bool discovered : { false, true }) {
        if (discovered)
            Discover();
        HidData data = Command(0x0E);
        HidReport report {};
        Feature8Buffer exchange {};
        EXPECT_FALSE(manager->SendFeatureReport(report));
        EXPECT_FALSE(manager->WriteReport(report));
        EXPECT_FALSE(manager->WriteData(data));
        EXPECT_FALSE(manager->SendCommand(data, true));
        EXPECT_FALSE(manager->QueryStatus(data));
        EXPECT_FALSE(manager->ExchangeFeature8(exchange));
        EXPECT_FALSE(manager->PollInput(report));
        EXPECT_EQ(data, Command(0x0E));
        EXPECT_EQ(manager->GetConnectionMode(), -1);
        int version = 0;
        EXPECT_FALSE(manager->GetFirmwareVersion(version));
    }
    EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_F(Transport, FailedWriteIsRetriedExactlyOnceAfterItsPause)
{
    int const cable = AddCable();
    Discover();
    struct Case {
        char const* name;
        std::function<bool()> operation;
        int retryPauseMs;
    };
    HidData data = Command(0x08);
    std::vector<Case> const cases = {
        { "WriteReport", [&] { return manager->WriteReport(Report({ 0x00, 0x8D })); }, 10 },
        { "WriteData", [&] { return manager->WriteData(data); }, 32 },
        { "SendCommand", [&] { return manager->SendCommand(data, false); }, 10 },
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool secondSucceeds : { true, false }) {
            fake->ClearTransfers();
            clock.ClearSleeps();
            fake->At(cable).writeResults = { -1, secondSucceeds ? 65 : 0 };
            EXPECT_EQ(c.operation(), secondSucceeds);
            auto const transfers = fake->Transfers();
            ASSERT_EQ(transfers.size(), 2u);
            EXPECT_EQ(transfers[0].kind, Transfer::Write);
            EXPECT_EQ(transfers[1].kind, Transfer::Write);
            EXPECT_EQ(transfers[1].bytes, transfers[0].bytes);
            EXPECT_EQ(transfers[1].atMs - transfers[0].atMs, c.retryPauseMs);
            EXPECT_EQ(clock.Sleeps(), std::vector<int> { c.retryPauseMs });
        }
    }
}

TEST_F(Transport, OutputReportsCarryReportIdZeroInFront)
{
    int const cable = AddCable();
    Discover();
    HidData data = Command(0x0C);
    data[5] = 3;
    EXPECT_TRUE(manager->WriteData(data));
    EXPECT_TRUE(manager->WriteReport(Report({ 0x00, 0x88, 0x00, 0x05 })));
    auto const writes = fake->TransfersOf(Transfer::Write);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].device, cable);
    EXPECT_EQ(writes[0].bytes, Hex("00 AA 55 CC 33 0C 03", 65));
    EXPECT_EQ(writes[1].bytes, Hex("00 88 00 05", 65));
}

TEST_F(Transport, SendCommandWaitsThenReadsTheReply)
{
    int const cable = AddCable();
    Discover();
    fake->At(cable).replies = { StatusReply(55, 3) };
    HidData data = Command(0x0E);
    EXPECT_TRUE(manager->SendCommand(data, true));
    auto const transfers = fake->Transfers();
    ASSERT_EQ(transfers.size(), 2u);
    EXPECT_EQ(transfers[1].kind, Transfer::Read);
    EXPECT_EQ(transfers[1].timeoutMs, 500);
    EXPECT_EQ(transfers[1].atMs - transfers[0].atMs, 100);
    EXPECT_EQ(data[5], 55);
    EXPECT_EQ(data[6], 3);
}

TEST_F(Transport, SendCommandGivesUpWithoutReadingWhenBothWritesFail)
{
    int const cable = AddCable();
    Discover();
    fake->At(cable).writeResults = { -1, -1 };
    HidData data = Command(0x0E);
    EXPECT_FALSE(manager->SendCommand(data, true));
    EXPECT_TRUE(fake->TransfersOf(Transfer::Read).empty());
}

TEST_F(Transport, ReplyTimeoutLeavesTheRequestInTheBuffer)
{
    AddCable();
    Discover();
    HidData data = Command(0x09);
    EXPECT_FALSE(manager->SendCommand(data, true));
    EXPECT_EQ(data, Command(0x09));
}

TEST_F(Transport, QueryStatusReadsEvenAfterBothWritesFailed)
{
    int const cable = AddCable();
    Discover();
    fake->At(cable).statusReply.clear();
    fake->At(cable).writeResults = { -1, -1 };
    fake->At(cable).replies = { StatusReply(42, 1) };
    HidData data = Command(0x0E);
    EXPECT_TRUE(manager->QueryStatus(data));
    auto const transfers = fake->Transfers();
    ASSERT_EQ(transfers.size(), 3u);
    EXPECT_EQ(transfers[0].kind, Transfer::Write);
    EXPECT_EQ(transfers[1].kind, Transfer::Write);
    EXPECT_EQ(transfers[2].kind, Transfer::Read);
    EXPECT_EQ(transfers[2].timeoutMs, 10);
    EXPECT_EQ(clock.Sleeps(), std::vector<int> { 10 });
    EXPECT_EQ(data[5], 42);
}

TEST_F(Transport, FeatureReportWaits16Ms)
{
    int const cable = AddCable();
    Discover();
    EXPECT_TRUE(manager->SendFeatureReport(Report({ 0x07, 0xFA, 0x01, 0x01, 0x29, 0x01, 0x05, 0x01 })));
    auto const sets = fake->TransfersOf(Transfer::SetFeature);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].device, cable);
    EXPECT_EQ(sets[0].bytes, Hex("07 FA 01 01 29 01 05 01", 65));
    EXPECT_EQ(clock.Sleeps(), std::vector<int> { 16 });
}

TEST_F(Transport, ExchangeFeature8SendsRequestThenFourReadsCarryingBytes3To7)
{
    int const cable = AddCable();
    Discover();
    auto& device = fake->At(cable);
    device.setFeatureResults = { -1 }; // a refused request does not stop the reads
    device.featureReplies = {
        Hex("07 01 02 03 04 05 06 07"),
        Hex("07 11 12 13 14 15 16 17"),
        Hex("07 21 22 23 24 25 26 27"),
        Hex("07 31 32 33 34 35 36 37"),
    };
    Feature8Buffer buffer {};
    auto const request = Hex("07 FB 01 0A 0B 0C 0D 0E");
    std::copy(request.begin(), request.end(), buffer.begin());

    EXPECT_TRUE(manager->ExchangeFeature8(buffer));

    auto const transfers = fake->Transfers();
    ASSERT_EQ(transfers.size(), 5u);
    EXPECT_EQ(transfers[0].kind, Transfer::SetFeature);
    EXPECT_EQ(transfers[0].bytes, request);
    EXPECT_EQ(transfers[1].bytes, Hex("07 FB 01 0A 0B 0C 0D 0E"));
    EXPECT_EQ(transfers[2].bytes, Hex("07 FB 01 03 04 05 06 07"));
    EXPECT_EQ(transfers[3].bytes, Hex("07 FB 01 13 14 15 16 17"));
    EXPECT_EQ(transfers[4].bytes, Hex("07 FB 01 23 24 25 26 27"));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 16, 16, 16, 16 }));
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.end()),
        Hex("01 02 03 04 05 06 07 11 12 13 14 15 16 17 21 22 23 24 25 26 27 31 32 33 34 35 36 37"));
}

TEST_F(Transport, ExchangeFeature8FailedReadLeavesItsSevenBytes)
{
    int const cable = AddCable();
    Discover();
    fake->At(cable).featureReplies = { Hex("07 01 02 03 04 05 06 07") };
    Feature8Buffer buffer {};
    buffer[0] = 0x07;
    buffer[1] = 0xFB;
    buffer[2] = 0x01;
    EXPECT_TRUE(manager->ExchangeFeature8(buffer));
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 7), Hex("01 02 03 04 05 06 07"));
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin() + 7, buffer.end()), Hex("", 21));
}

TEST_F(Transport, CableIsPreferredAndTheChoiceIsKeptUntilTheNextDiscovery)
{
    int const cable = AddCable();
    int const receiver = AddReceiver();
    Discover();
    EXPECT_EQ(manager->GetConnectionMode(), 0);
    HidData data = Command(0x08);
    ASSERT_TRUE(manager->SendCommand(data, false));
    EXPECT_EQ(fake->TransfersOf(Transfer::Write).back().device, cable);

    // The cable's keyboard stops answering as connected: the cached choice stays.
    fake->At(cable).statusReply = StatusReply(80, 0);
    ASSERT_TRUE(manager->SendCommand(data, false));
    EXPECT_EQ(fake->TransfersOf(Transfer::Write).back().device, cable);

    Discover();
    EXPECT_EQ(manager->GetConnectionMode(), 2);
    ASSERT_TRUE(manager->SendCommand(data, false));
    EXPECT_EQ(fake->TransfersOf(Transfer::Write).back().device, receiver);
}

TEST_F(Transport, ChangingTheDeviceTypeForgetsTheChoice)
{
    AddCable();
    Discover();
    HidData data = Command(0x08);
    EXPECT_TRUE(manager->SendCommand(data, false));
    manager->SetCurrentDeviceType(250);
    EXPECT_FALSE(manager->SendCommand(data, false));
}

TEST_F(Transport, PollInputWithoutChoiceListensOnEveryInterfaceAndMarksLinkState)
{
    AddCable(false);
    int const receiver = AddReceiver(false);
    manager->Rediscover(); // device type 0, nothing chosen
    fake->At(receiver).replies = { StatusReply(50, 1) };
    HidReport report {};
    EXPECT_TRUE(manager->PollInput(report));
    auto const entries = manager->CollectEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_FALSE(entries[0].online);
    EXPECT_TRUE(entries[1].online);
    EXPECT_EQ(report[6], 1);
}

TEST_F(Transport, PollInputWithChoiceReadsOnlyThatInterface)
{
    int const cable = AddCable();
    int const receiver = AddReceiver();
    Discover();
    HidData data = Command(0x08);
    manager->SendCommand(data, false);
    fake->ClearTransfers();
    fake->At(receiver).replies = { StatusReply(50, 0) };
    HidReport report {};
    EXPECT_FALSE(manager->PollInput(report));
    auto const reads = fake->TransfersOf(Transfer::Read);
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0].device, cable);
    EXPECT_EQ(reads[0].timeoutMs, 10);
}

TEST_F(Transport, FindEntryLooksOnlyAtTheFirstMatchingEntry)
{
    fake->Add(KeyboardInterface(kVid, kCablePid, 2, "/dev/hidraw2", 0x0105, L""));
    fake->At(0).statusReply = StatusReply(80, 3);
    Discover();
    EXPECT_EQ(manager->FindEntry(kVid, kCablePid, L"", 0), 0);
    EXPECT_EQ(manager->FindEntry(kVid, kCablePid, L"Tessera K1", 0), -1);
    EXPECT_EQ(manager->FindEntry(kVid, kCablePid, L"", 2), -1);
}

TEST_F(Transport, VersionsComeFromCableThenReceiver)
{
    AddReceiver(false);
    AddCable(false);
    Discover();
    int version = 0;
    ASSERT_TRUE(manager->GetFirmwareVersion(version));
    EXPECT_EQ(version, 0x0105);
    ASSERT_TRUE(manager->GetDongleVersion(version));
    EXPECT_EQ(version, 0x0210);
}

TEST_F(Transport, OperationsFromTwoThreadsNeverOverlap)
{
    int const cable = AddCable();
    Discover();
    fake->At(cable).statusReply.clear();
    fake->slowTransfers = true;
    auto work = [&](std::uint8_t code) {
        for (int i = 0; i < 100; ++i) {
            HidData data = Command(code);
            manager->SendCommand(data, i % 2 == 0);
            manager->QueryStatus(data);
        }
    };
    std::thread settings(work, 0x0C);
    std::thread worker(work, 0x0E);
    settings.join();
    worker.join();
    EXPECT_EQ(fake->overlaps.load(), 0);
}

TEST_F(Transport, CloseAllClosesEveryInterfaceAndOperationsFail)
{
    AddCable();
    auto aux = KeyboardInterface(kVid, kCablePid, 3, "/dev/hidraw3");
    fake->Add(aux);
    Discover();
    ASSERT_EQ(fake->OpenHandleCount(), 2);
    manager->CloseAll();
    EXPECT_EQ(fake->OpenHandleCount(), 0);
    EXPECT_FALSE(manager->IsOpen());
    EXPECT_FALSE(manager->HasAuxInterface());
    HidData data = Command(0x08);
    fake->forbidTransfers = true;
    EXPECT_FALSE(manager->SendCommand(data, false));
    EXPECT_TRUE(manager->CollectEntries().empty());
}
