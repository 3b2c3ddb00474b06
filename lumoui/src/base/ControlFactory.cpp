#include <lumoui/Control.h>
#include <lumoui/ControlFactory.h>

#include <map>
#include <mutex>

namespace LumoUI {

namespace {

struct Entry {
    unsigned scope;
    ControlCreator creator;
};

struct Table {
    std::mutex mutex;
    std::map<CString, Entry> entries;
};

Table& table()
{
    static Table s_table;
    return s_table;
}

}

void ControlFactory::Register(wchar_t const* className, unsigned scope, ControlCreator creator)
{
    if (!className || !*className || !creator)
        return;
    auto& t = table();
    std::lock_guard lock(t.mutex);
    t.entries[className] = Entry { scope, std::move(creator) };
}

std::unique_ptr<MControl> ControlFactory::Create(wchar_t const* className, FactoryScope scope, ControlArgs const& args)
{
    if (!className || !*className)
        return nullptr;
    ControlCreator creator;
    {
        auto& t = table();
        std::lock_guard lock(t.mutex);
        auto it = t.entries.find(className);
        if (it == t.entries.end() || !(it->second.scope & scope))
            return nullptr;
        creator = it->second.creator;
    }
    return creator(args);
}

bool ControlFactory::IsRegistered(wchar_t const* className, FactoryScope scope)
{
    if (!className)
        return false;
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.entries.find(className);
    return it != t.entries.end() && (it->second.scope & scope);
}

}
