#include "EmulatorFixture.h"

namespace EmulatorTest {

Bytes bytes_of(std::initializer_list<int> bytes)
{
    Bytes out;
    for (int value : bytes)
        out.push_back(static_cast<std::uint8_t>(value));
    return out;
}

Bytes output_report(std::initializer_list<int> payload)
{
    Bytes out { 0 };
    for (int value : payload)
        out.push_back(static_cast<std::uint8_t>(value));
    out.resize(65, 0);
    return out;
}

Bytes input_report(std::initializer_list<int> payload)
{
    Bytes out = bytes_of(payload);
    out.resize(64, 0);
    return out;
}

Bytes feature_report(std::initializer_list<int> bytes, std::size_t length)
{
    Bytes out = bytes_of(bytes);
    out.resize(length, 0);
    return out;
}

}
