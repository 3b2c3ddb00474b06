#include "EmulatorTrace.h"

#include <sstream>

namespace WorkerEmulatorTest {

std::vector<ReceivedReport> ParseTrace(std::string const& text)
{
    std::vector<ReceivedReport> reports;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        ReceivedReport report;
        std::string path;
        if (fields >> report.milliseconds >> report.direction >> path >> report.hex)
            reports.push_back(report);
    }
    return reports;
}

}
