#include "LumoTestSupport.h"

#include <gtest/gtest.h>

using namespace LumoTest;

namespace {

class PanelOnlyList : public MPanel {
public:
    explicit PanelOnlyList(int visible) : MPanel(visible, 1) { }
};

class PlainBox : public MControl {
public:
    PlainBox(int visible, int enabled) : MControl(visible, enabled) { }
};

LUMOUI_REGISTER_CONTROL(PanelOnlyList, L"TestPanelOnlyList", FactoryPanel,
    [](ControlArgs const& a) { return std::make_unique<PanelOnlyList>(a.visible); });
LUMOUI_REGISTER_CONTROL(PlainBox, L"TestPlainBox", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<PlainBox>(a.visible, a.enabled); });

}

TEST(ControlFactory, PanelOnlyClassIsRefusedByTheDialogFactory)
{
    Window w;
    EXPECT_EQ(w.dialog->CreateControl(L"TestPanelOnlyList", 5, CRect(0, 0, 50, 50)), nullptr);
    EXPECT_EQ(w.dialog->GetControls()->Size(), 0u);

    auto* panel = AddTopLevel<MPanel>(*w.dialog, 9, CRect(0, 0, 200, 200));
    MControl* list = panel->CreateControl(L"TestPanelOnlyList", 5, CRect(0, 0, 50, 50), L"", 1, 1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetParantObject(), panel);
    EXPECT_EQ(list->GetManager(), &w.dialog->GetPaintManager());
}

TEST(ControlFactory, NamesAreExactAndCaseSensitive)
{
    Window w;
    struct Case {
        wchar_t const* name;
        bool made;
    } const cases[] = {
        { L"TestPlainBox", true },
        { L"testplainbox", false },
        { L"TESTPLAINBOX", false },
        { L"TestPlainBox ", false },
        { L"", false },
        { L"NoSuchControl", false },
    };
    for (auto const& c : cases) {
        MControl* made = w.dialog->CreateControl(c.name, 3, CRect(0, 0, 10, 10));
        EXPECT_EQ(made != nullptr, c.made) << ToUtf8(c.name);
    }
    EXPECT_EQ(w.dialog->CreateControl(nullptr, 3, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(w.dialog->GetControls()->Size(), 1u);
}

TEST(ControlFactory, AreasAndControlsGoToTheirOwnLists)
{
    Window w;
    MControl* area = w.dialog->CreateArea(L"CArea", 1, CRect(0, 0, 10, 10));
    MControl* control = w.dialog->CreateControl(L"TestPlainBox", 2, CRect(0, 0, 10, 10), L"", 1, 0);
    ASSERT_NE(area, nullptr);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(w.dialog->GetPaintManager().GetAreas().Size(), 1u);
    EXPECT_EQ(w.dialog->GetPaintManager().GetControls().Size(), 1u);
    EXPECT_EQ(control->IsEnabled(), 0);
    EXPECT_EQ(control->GetRresponse(), 1);
    EXPECT_EQ(control->GetParantObject(), static_cast<MObject*>(w.dialog.get()));
}

TEST(ControlTree, GetControlSearchesPreOrderControlsBeforeAreas)
{
    Window w;
    // Duplicate id 7: an area, a nested control, and a later top-level control.
    auto made = std::make_unique<MControl>();
    made->SetControlID(7);
    MControl* area = w.dialog->GetPaintManager().AddControl(0, w.dialog.get(), std::move(made));
    auto* outer = AddTopLevel(*w.dialog, 1, CRect(0, 0, 100, 100));
    auto* nested = AddChild(*outer, 7, CRect(0, 0, 10, 10));
    auto* later = AddTopLevel(*w.dialog, 7, CRect(0, 0, 10, 10));
    EXPECT_EQ(w.dialog->GetControl(7), nested);
    outer->RemoveControl(nested);
    EXPECT_EQ(w.dialog->GetControl(7), later);
    w.dialog->GetPaintManager().RemoveControl(later);
    EXPECT_EQ(w.dialog->GetControl(7), area);
    EXPECT_EQ(w.dialog->GetControl(99), nullptr);
}

TEST(ControlTree, NotificationFromThreePanelsDeepKeepsTheNestedId)
{
    Window w;
    auto* p1 = AddTopLevel<MPanel>(*w.dialog, 10, CRect(0, 0, 300, 300));
    auto* p2 = AddChild<MPanel>(*p1, 11, CRect(0, 0, 300, 300));
    auto* p3 = AddChild<MPanel>(*p2, 12, CRect(0, 0, 300, 300));
    auto* leaf = AddChild(*p3, 42, CRect(10, 10, 20, 20));
    leaf->SendMessageW(NOTIFY_CLICK, 3, 4);
    ASSERT_EQ(w.dialog->notifications.size(), 1u);
    EXPECT_EQ(w.dialog->notifications[0], (Notification { 42, NOTIFY_CLICK, 3, 4 }));
}

TEST(ControlTree, RemovingTheFocusControlLeavesNoFocus)
{
    Window w;
    auto* c = AddTopLevel(*w.dialog, 5, CRect(0, 0, 10, 10));
    w.dialog->SetFocusControl(c);
    EXPECT_EQ(c->IsFocused(), 1);
    w.dialog->GetPaintManager().RemoveControl(c);
    EXPECT_EQ(w.dialog->GetPaintManager().GetFocusControl(), nullptr);
}

TEST(ControlTree, IsClassComparesTheExactName)
{
    MControl c;
    EXPECT_EQ(c.IsClass(L"FSControl"), 1);
    EXPECT_EQ(c.IsClass(L"fscontrol"), 0);
    RecordingDialog d;
    EXPECT_EQ(d.IsClass(L"MDialog"), 1);
}
