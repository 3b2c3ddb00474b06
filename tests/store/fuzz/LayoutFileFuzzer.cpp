// Layout files from hostile input: parsing and applying them to the model
// tables must never write outside the key matrix or crash.
#include "config/KeyboardModel.h"
#include "config/LayoutFile.h"
#include "config/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class NullView : public Tessera::ModelLoadView {
public:
    void SetTabVisible(int, bool) override { }
    void SetFirmwareUpdateVisible(bool) override { }
    void SetLightSliderLimits(int, int) override { }
    void ClearKeyboardPicture(int) override { }
    void SetKeyboardPicture(int, Tessera::KeyRect const&, std::wstring const&, int, int) override { }
    void AddKeyItem(int, Tessera::KeyItem const&) override { }
};

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    std::wstring text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        text += static_cast<wchar_t>(data[i]);
    Tessera::XmlDocument xml;
    if (!xml.SetDocument(text))
        return 0;
    auto layout = Tessera::ReadLayoutDocument(xml);
    if (!layout)
        return 0;
    Tessera::KeyboardModelState state;
    for (auto const& key : layout->keys) {
        if (key.cell)
            state.matrix.at(static_cast<std::size_t>(key.cell->row)).at(static_cast<std::size_t>(key.cell->column))
                = static_cast<std::uint8_t>(key.code);
    }
    Tessera::ParseKeyRect(text.substr(0, 64));
    Tessera::ParseMatrixCell(text.substr(0, 4));
    return 0;
}
