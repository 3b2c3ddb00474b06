#include <test_support/ScopedEnv.h>

#include <cstdlib>

namespace TestSupport {

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value)
    : m_name(std::move(name))
{
    if (char const* previous = std::getenv(m_name.c_str()))
        m_previous = previous;
    if (value)
        setenv(m_name.c_str(), value->c_str(), 1);
    else
        unsetenv(m_name.c_str());
}

ScopedEnv::~ScopedEnv()
{
    if (m_previous)
        setenv(m_name.c_str(), m_previous->c_str(), 1);
    else
        unsetenv(m_name.c_str());
}

}
