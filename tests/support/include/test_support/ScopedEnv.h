#pragma once

#include <optional>
#include <string>

namespace TestSupport {

// Sets (or with std::nullopt unsets) an environment variable for the lifetime
// of the object and restores the earlier value afterwards.
class ScopedEnv {
public:
    ScopedEnv(std::string name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(ScopedEnv const&) = delete;
    ScopedEnv& operator=(ScopedEnv const&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};

}
