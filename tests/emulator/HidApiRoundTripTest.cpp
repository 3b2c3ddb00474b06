// The hidapi-ABI library against a daemon in this process, loaded the way the program loads a
// HID library: dlopen of the file, dlsym of each function.
#include "EmulatorFixture.h"
#include "emulator/daemon/DeviceHub.h"
#include "emulator/daemon/Server.h"
#include "emulator/wire/LineChannel.h"
#include <test_support/Paths.h>
#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <hidapi/hidapi.h>

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <atomic>
#include <thread>
#include <unistd.h>

using namespace Tessera::Emulator;
using namespace EmulatorTest;

namespace {

struct HidApi {
    void* library { nullptr };
    decltype(&::hid_enumerate) enumerate {};
    decltype(&::hid_free_enumeration) free_enumeration {};
    decltype(&::hid_open_path) open_path {};
    decltype(&::hid_open) open {};
    decltype(&::hid_write) write {};
    decltype(&::hid_read_timeout) read_timeout {};
    decltype(&::hid_read) read {};
    decltype(&::hid_set_nonblocking) set_nonblocking {};
    decltype(&::hid_send_feature_report) send_feature {};
    decltype(&::hid_get_feature_report) get_feature {};
    decltype(&::hid_get_product_string) product_string {};
    decltype(&::hid_error) error {};
    decltype(&::hid_close) close {};
    decltype(&::hid_version_str) version_str {};

    template<typename F>
    void bind(F& function, char const* name)
    {
        function = reinterpret_cast<F>(dlsym(library, name));
        ASSERT_NE(function, nullptr) << name;
    }

    void load()
    {
        auto file = TestSupport::build_dir() / "lib" / "libtessera-hidapi.so";
        library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        bind(enumerate, "hid_enumerate");
        bind(free_enumeration, "hid_free_enumeration");
        bind(open_path, "hid_open_path");
        bind(open, "hid_open");
        bind(write, "hid_write");
        bind(read_timeout, "hid_read_timeout");
        bind(read, "hid_read");
        bind(set_nonblocking, "hid_set_nonblocking");
        bind(send_feature, "hid_send_feature_report");
        bind(get_feature, "hid_get_feature_report");
        bind(product_string, "hid_get_product_string");
        bind(error, "hid_error");
        bind(close, "hid_close");
        bind(version_str, "hid_version_str");
    }
    ~HidApi()
    {
        if (library)
            dlclose(library);
    }
};

struct RoundTrip : ::testing::Test {
    TestSupport::TempDir dir;
    std::string socket = (dir / "emulator.sock").string();
    TestSupport::ScopedEnv env { "TESSERA_EMULATOR_SOCKET", socket };
    DeviceHub hub { ModelCatalog {} };
    std::unique_ptr<Server> server;
    HidApi hid;
    std::string error;

    void SetUp() override
    {
        ASSERT_EQ(hub.add_keyboard(301, error), 0);
        ASSERT_EQ(hub.add_keyboard(202, error), 1);
        server = Server::start(socket, hub, error);
        ASSERT_TRUE(server) << error;
        hid.load();
    }

    void TearDown() override
    {
        if (server) {
            server->request_stop();
            server->wait();
        }
    }

    struct Listed {
        std::string path;
        unsigned short vid, pid, release, page, usage;
        int number;
        std::wstring product;
        hid_bus_type bus;
    };

    std::vector<Listed> list(unsigned short vid = 0, unsigned short pid = 0)
    {
        std::vector<Listed> out;
        auto* devices = hid.enumerate(vid, pid);
        for (auto* info = devices; info; info = info->next)
            out.push_back({ info->path, info->vendor_id, info->product_id, info->release_number, info->usage_page,
                info->usage, info->interface_number, info->product_string ? info->product_string : L"", info->bus_type });
        hid.free_enumeration(devices);
        return out;
    }
};

TEST_F(RoundTrip, EnumerationReportsEveryFieldOfThePluggedInterfaces)
{
    EXPECT_TRUE(list().empty()) << "nothing is plugged yet";
    ASSERT_TRUE(hub.plug(0, Link::Receiver, true, error));
    ASSERT_TRUE(hub.plug(1, Link::Cable, true, error));
    auto all = list();
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all[0].pid, 0x4016) << "a keyboard's receiver is listed before its cable";
    auto receiver = list(0x3151, 0x4016);
    ASSERT_EQ(receiver.size(), 5u);
    auto const& command = receiver[2];
    EXPECT_EQ(command.path, "HID#VID_3151&PID_4016&MI_02#EMU&0&RECEIVER&2");
    EXPECT_EQ(command.release, 0x0100);
    EXPECT_EQ(command.page, 0xFF02);
    EXPECT_EQ(command.usage, 2);
    EXPECT_EQ(command.number, 2);
    EXPECT_EQ(command.product, L"Tessera 2.4G Receiver");
    EXPECT_EQ(command.bus, HID_API_BUS_USB);
    auto type2 = list(0x3151, 0x4020);
    ASSERT_EQ(type2.size(), 5u);
    EXPECT_EQ(type2[2].page, 0xFF01) << "the 200 family uses the other accepted vendor collection";
    EXPECT_STREQ(hid.version_str(), "0.13.1");
}

TEST_F(RoundTrip, StatusQueryWriteThenReadWithTimeOuts)
{
    ASSERT_TRUE(hub.plug(0, Link::Cable, true, error));
    hid_device* device = hid.open_path("HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2");
    ASSERT_NE(device, nullptr);
    wchar_t product[64];
    ASSERT_EQ(hid.product_string(device, product, 64), 0);
    EXPECT_STREQ(product, L"Tessera TK301");

    Bytes request = output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E });
    EXPECT_EQ(hid.write(device, request.data(), request.size()), 65);
    unsigned char reply[65] = {};
    ASSERT_EQ(hid.read_timeout(device, reply, sizeof reply, 10), 64);
    EXPECT_EQ(to_hex(Bytes(reply, reply + 7)), "aa55cc330e5503");

    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(hid.read_timeout(device, reply, sizeof reply, 120), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(110)) << "the time-out is really waited";
    hid.set_nonblocking(device, 1);
    EXPECT_EQ(hid.read(device, reply, sizeof reply), 0);
    hid.close(device);
}

TEST_F(RoundTrip, WriteToAnUnpluggedDeviceFails)
{
    ASSERT_TRUE(hub.plug(0, Link::Cable, true, error));
    hid_device* device = hid.open(0x3151, 0x4015, nullptr);
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(hub.plug(0, Link::Cable, false, error));
    Bytes request = output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E });
    EXPECT_EQ(hid.write(device, request.data(), request.size()), -1);
    EXPECT_STREQ(hid.error(device), L"device disconnected");
    hid.close(device);
    EXPECT_EQ(hid.open_path("HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2"), nullptr);
}

TEST_F(RoundTrip, SlotTableThroughEightByteFeatureReports)
{
    ASSERT_TRUE(hub.plug(1, Link::Cable, true, error));
    hid_device* device = hid.open_path("HID#VID_3151&PID_4020&MI_02#EMU&1&CABLE&2");
    ASSERT_NE(device, nullptr);
    Bytes slot = feature_report({ 0x07, 0xFA, 0x01, 0x01, 0x2B, 0x01, 0x05, 0x01 });
    EXPECT_EQ(hid.send_feature(device, slot.data(), slot.size()), 65);
    Bytes read_request = feature_report({ 0x07, 0xFB, 0x01 }, 8);
    EXPECT_EQ(hid.send_feature(device, read_request.data(), read_request.size()), 8);
    std::string table;
    for (int pass = 0; pass < 4; ++pass) {
        unsigned char buffer[8] = { 0x07, 0xFB, 0x01 };
        ASSERT_EQ(hid.get_feature(device, buffer, sizeof buffer), 8);
        table += to_hex(Bytes(buffer + 1, buffer + 8));
    }
    EXPECT_EQ(table, "00000000000000" "00000000000000" "2b000000000000" "00000000000000");
    hid.close(device);
}

TEST_F(RoundTrip, WatchingClientReceivesOneLinePerInterface)
{
    auto watcher = LineChannel::connect(socket, error);
    ASSERT_TRUE(watcher) << error;
    ASSERT_TRUE(watcher->send_line("watch"));
    for (int i = 0; i < 200 && hub.watcher_count() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(hub.watcher_count(), 1);

    ASSERT_TRUE(hub.plug(0, Link::Receiver, true, error));
    bool timed_out = false;
    std::vector<std::string> lines;
    for (int i = 0; i < 5; ++i) {
        auto line = watcher->read_line(std::chrono::milliseconds(2000), timed_out);
        ASSERT_TRUE(line) << "event " << i;
        lines.push_back(*line);
    }
    EXPECT_EQ(lines[0], "add usb 3151 4016 0 HID#VID_3151&PID_4016&MI_00#EMU&0&RECEIVER&0");
    EXPECT_EQ(lines[4], "add usb 3151 4016 4 HID#VID_3151&PID_4016&MI_04#EMU&0&RECEIVER&4");
    watcher->close();
    for (int i = 0; i < 200 && hub.watcher_count() == 1; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(hub.watcher_count(), 0) << "a watcher that hangs up is forgotten";
}

TEST_F(RoundTrip, NoDaemonMeansAnEmptyEnumerationAndAFailedOpen)
{
    server->request_stop();
    server->wait();
    server.reset();
    EXPECT_TRUE(list().empty());
    EXPECT_EQ(hid.open_path("HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(socket)) << "the socket file is removed on stop";
}

TEST_F(RoundTrip, HandlesOnSeveralThreadsWhileTheHardwareChanges)
{
    ASSERT_TRUE(hub.plug(0, Link::Cable, true, error));
    ASSERT_TRUE(hub.plug(0, Link::Receiver, true, error));
    char const* const paths[] = { "HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2", "HID#VID_3151&PID_4016&MI_02#EMU&0&RECEIVER&2" };
    std::atomic<int> answered { 0 };
    std::vector<std::thread> hosts;
    for (int t = 0; t < 4; ++t) {
        hosts.emplace_back([&, t] {
            hid_device* device = hid.open_path(paths[t % 2]);
            ASSERT_NE(device, nullptr);
            Bytes request = output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E });
            unsigned char reply[65];
            for (int i = 0; i < 40; ++i) {
                if (hid.write(device, request.data(), request.size()) == 65 && hid.read_timeout(device, reply, sizeof reply, 50) > 0)
                    ++answered;
            }
            hid.close(device);
        });
    }
    std::thread hardware([&] {
        std::string local_error;
        for (int i = 0; i < 20; ++i) {
            hub.set_powered(0, i % 2 == 1, local_error);
            hub.plug_unrelated(i % 2 == 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        hub.set_powered(0, true, local_error);
    });
    for (auto& host : hosts)
        host.join();
    hardware.join();
    // Every query is answered (the receiver answers even for a keyboard that is off); the
    // receiver's own reports may take the place of an answer, never make one go missing.
    EXPECT_EQ(answered.load(), 160);
}

TEST(ServerStart, StaleSocketFileIsReplacedButALiveDaemonIsNot)
{
    TestSupport::TempDir dir;
    std::string path = (dir / "stale.sock").string();
    // A socket file left behind by a daemon that died.
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);

    DeviceHub hub { ModelCatalog {} };
    std::string error;
    auto first = Server::start(path, hub, error);
    ASSERT_TRUE(first) << error;
    DeviceHub other { ModelCatalog {} };
    EXPECT_FALSE(Server::start(path, other, error));
    EXPECT_NE(error.find("already listening"), std::string::npos) << error;
    first->request_stop();
    first->wait();
}

TEST(ServerStart, StopCommandEndsTheServerWithClientsStillConnected)
{
    TestSupport::TempDir dir;
    std::string path = (dir / "stop.sock").string();
    DeviceHub hub { ModelCatalog {} };
    std::string error;
    ASSERT_EQ(hub.add_keyboard(301, error), 0);
    ASSERT_TRUE(hub.plug(0, Link::Cable, true, error));
    auto server = Server::start(path, hub, error);
    ASSERT_TRUE(server);
    auto reader = LineChannel::connect(path, error);
    ASSERT_TRUE(reader);
    reader->send_line("open HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2");
    EXPECT_EQ(reader->read_line().value_or(""), "ok");
    reader->send_line("read -1"); // blocks in the daemon
    auto control = LineChannel::connect(path, error);
    ASSERT_TRUE(control);
    control->send_line("ctl stop");
    server->wait();
    EXPECT_EQ(reader->read_line().value_or("closed"), "err device disconnected");
}

}
