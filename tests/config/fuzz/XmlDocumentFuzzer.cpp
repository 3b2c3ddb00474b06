// Loads arbitrary bytes as an XML file. A document that loads must survive a
// walk of every element and must parse again from its own written text.
#include "config/XmlDocument.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::wstring const& InputPath()
{
    static std::wstring const s_path = [] {
        std::string path = "/tmp/fuzz_xml_document-" + std::to_string(getpid()) + ".xml";
        return std::wstring(path.begin(), path.end());
    }();
    return s_path;
}

void Walk(Tessera::XmlDocument& xml, int depth)
{
    // The cursor finds elements by name only, so the walk tries the names
    // the seed files use.
    static wchar_t const* const s_names[] = { L"a", L"config", L"keyboard", L"mode", L"x" };
    for (auto name : s_names) {
        while (xml.FindElement(name)) {
            (void)xml.GetAttribute(L"name");
            if (depth < 8 && xml.IntoElement()) {
                Walk(xml, depth + 1);
                xml.OutOfElement();
            }
        }
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    std::string path(InputPath().begin(), InputPath().end());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    Tessera::XmlDocument xml;
    if (!xml.LoadFile(InputPath()))
        return 0;
    Walk(xml, 0);
    xml.AddElement(L"added");
    xml.SetAttribute(L"value", L"<&>'\"\t\n");
    Tessera::XmlDocument again;
    if (!again.SetDocument(xml.GetDocument()))
        std::abort();
    return 0;
}
