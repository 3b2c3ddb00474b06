#include <lumoui/Control.h>
#include <lumoui/PaintManager.h>

#include <cwchar>

namespace LumoUI {

MControl::MControl(int visible, int enabled)
    : m_visible(visible ? 1 : 0)
    , m_enabled(enabled ? 1 : 0)
{
}

MControl::~MControl()
{
    // Children go first (areas, then controls), then every reference the
    // manager keeps to this control.
    m_areas.Clear();
    m_controls.Clear();
    if (m_manager)
        m_manager->ForgetControl(this);
}

wchar_t const* MControl::GetClassNameW() { return L"FSControl"; }

void MControl::InitControl(PaintManager*) { }
int MControl::PtInRect(CPoint pt) { return m_rect.PtInRect(pt) ? 1 : 0; }
void MControl::DrawControl(MGraphics&, CRect) { }

int MControl::DrawSubControls(MGraphics& g, CRect clip)
{
    m_controls.ForEach([&](MControl* child) {
        if (child->IsVisible())
            child->Draw(g, clip);
    });
    return 1;
}

int MControl::IsDraw(CPoint) { return 0; }

void MControl::SetUpdate(int valid, COLORREF back)
{
    m_cache_valid = valid;
    m_controls.ForEach([&](MControl* child) {
        if (child->m_rect.Intersects(m_rect))
            child->SetUpdate(valid, back);
    });
}

int MControl::SetControlFocus(int focus)
{
    m_focused = focus;
    if (!focus)
        m_controls.ForEach([](MControl* child) { child->SetControlFocus(0); });
    return 0;
}

void MControl::InitUI(CRect) { }
int MControl::OnMousePointChange(CPoint&) { return 0; }
int MControl::OnCheckMouseResponse(unsigned, CPoint) { return 0; }
LRESULT MControl::OnWindowMessage(unsigned, WPARAM, LPARAM) { return 0; }

LRESULT MControl::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    return m_parent ? m_parent->OnBaseMessage(id, code, wParam, lParam) : 0;
}

LRESULT MControl::OnBaseMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) { return OnMessage(id, code, wParam, lParam); }

LRESULT MControl::OnControlUpdate(CRect rc, int markDirty, MControl* ctrl)
{
    if (!ctrl)
        return 0;
    if (markDirty)
        ctrl->SetUpdate(0, 0);
    // Later children drawn over the changed one are redrawn too.
    CRect region = rc;
    bool after = false;
    m_controls.ForEach([&](MControl* c) {
        if (c == ctrl) {
            after = true;
            return;
        }
        if (after && c->IsVisible() && c->m_rect.Intersects(rc)) {
            c->SetUpdate(0, 0);
            region.UnionRect(region, c->m_rect);
        }
    });
    CRect clipped;
    if (m_parent && IsVisible() && clipped.IntersectRect(region, m_rect))
        m_parent->OnControlUpdate(clipped, 0, this);
    return 0;
}

void MControl::SetControlRect(CRect rc) { m_rect = rc; }
void MControl::SetControlVisible(int visible) { m_visible = visible ? 1 : 0; }
void MControl::SetControlWndVisible(int) { }
void MControl::SetControlEnabled(int enabled) { m_enabled = enabled ? 1 : 0; }
int MControl::OnControlTimer() { return 0; }
int MControl::OnControlMouseMove(unsigned, CPoint) { return 0; }

int MControl::OnControlSetCursor(unsigned, CPoint pt)
{
    if (!m_cursor_set || !m_rect.PtInRect(pt))
        return 0;
    LumoUI::SetCursor(m_cursor);
    return 1;
}

int MControl::OnControlLButtonDown(unsigned, CPoint) { return 0; }
int MControl::OnControlLButtonUp(unsigned, CPoint) { return 0; }
int MControl::OnControlLButtonDblClk(unsigned, CPoint) { return 0; }
int MControl::OnControlScroll(int, unsigned, CPoint) { return 0; }
int MControl::OnControlRButtonDown(unsigned, CPoint) { return 0; }
int MControl::OnControlRButtonUp(unsigned, CPoint) { return 0; }
int MControl::OnControlRButtonDblClk(unsigned, CPoint) { return 0; }

int MControl::OnControlKeyDown(unsigned vk, unsigned, unsigned modifiers)
{
    return m_hot_key_vk != 0 && vk == m_hot_key_vk && modifiers == m_hot_key_modifiers ? 1 : 0;
}

int MControl::OnControlKeyUp(unsigned, unsigned, unsigned) { return 0; }
int MControl::OnControlChar(unsigned) { return 0; }
int MControl::OnControlComposition(CString const&, int) { return 0; }
void MControl::OnPositionChange() { }

void MControl::InvalidateRect(CRect const* rc, int erase)
{
    if (m_manager)
        LumoUI::InvalidateRect(m_manager->GetPaintWnd(), rc, erase != 0);
}

// ---- geometry, tree, flags ----

void MControl::SetRect(CRect rc)
{
    CRect old = m_rect;
    SetControlRect(rc);
    if (IsVisible()) {
        CRect region;
        region.UnionRect(old, m_rect);
        if (m_parent)
            m_parent->OnControlUpdate(region, 1, this);
    }
}

void MControl::SetManager(PaintManager* manager)
{
    m_manager = manager;
    InitControl(manager);
}

void MControl::SetVisible(int visible) { SetVisible(visible, 1); }

void MControl::SetVisible(int visible, int repaint)
{
    visible = visible ? 1 : 0;
    if (IsVisible() == visible)
        return;
    SetControlVisible(visible);
    if (!visible && m_manager)
        m_manager->ForgetControl(this);
    if (repaint && m_parent)
        m_parent->OnControlUpdate(m_rect, 1, this);
}

int MControl::IsParentVisible() const
{
    for (MObject* p = m_parent; p; ) {
        if (p->IsClass(L"MDialog"))
            return 1;
        auto* control = dynamic_cast<MControl*>(p);
        if (!control)
            return 1;
        if (!control->IsVisible())
            return 0;
        p = control->m_parent;
    }
    return 1;
}

void MControl::SetEnabled(int enabled)
{
    enabled = enabled ? 1 : 0;
    if (IsEnabled() == enabled)
        return;
    SetControlEnabled(enabled);
    if (IsVisible())
        UpdateControl(1, 0);
}

void MControl::SetTooltip(wchar_t const* text) { m_tooltip = text ? text : L""; }
void MControl::SetTooltip(CString const& text, CRect) { m_tooltip = text; }

void MControl::ClearTooltip()
{
    m_tooltip.clear();
    if (m_manager && m_manager->GetTooltipCtrlID() == static_cast<int>(m_id))
        m_manager->ClearTooltip();
}

int MControl::SetCursorEx(wchar_t const* name)
{
    static constexpr struct {
        wchar_t const* name;
        CursorKind kind;
    } kCursors[] = { { L"arrow", CursorKind::Arrow }, { L"wait", CursorKind::Wait }, { L"cross", CursorKind::Cross },
        { L"sizewe", CursorKind::SizeWE }, { L"sizens", CursorKind::SizeNS }, { L"hand", CursorKind::Hand }, { L"help", CursorKind::Help } };
    if (!name)
        return 0;
    for (auto const& c : kCursors) {
        if (std::wcscmp(c.name, name) == 0) {
            m_cursor = c.kind;
            m_cursor_set = true;
            return 1;
        }
    }
    return 0;
}

void MControl::UpdateControl(int markDirty, int force)
{
    if ((IsVisible() || force) && m_parent)
        m_parent->OnControlUpdate(m_rect, markDirty, this);
}

void MControl::UpdateControl(CRect rc, int force, int markDirty)
{
    if ((IsVisible() || force) && m_parent)
        m_parent->OnControlUpdate(rc, markDirty, this);
}

void MControl::AddMTimer()
{
    if (m_manager)
        m_manager->AddMTimer(this);
}

int MControl::IsFocusControl() const { return m_manager && m_manager->GetFocusControl() == this ? 1 : 0; }

MControl* MControl::AddChildControl(std::unique_ptr<MControl> child)
{
    if (!child)
        return nullptr;
    child->SetParent(this);
    MControl* raw = m_controls.Add(std::move(child));
    if (m_manager && !raw->m_manager)
        raw->SetManager(m_manager);
    return raw;
}

MControl* MControl::AddChildArea(std::unique_ptr<MControl> child)
{
    if (!child)
        return nullptr;
    child->SetParent(this);
    MControl* raw = m_areas.Add(std::move(child));
    if (m_manager && !raw->m_manager)
        raw->SetManager(m_manager);
    return raw;
}

MControl* MControl::GetControl(unsigned id)
{
    auto search = [id](MControl* c) -> MControl* {
        if (c->m_id == id)
            return c;
        return c->GetControl(id);
    };
    MControl* found = nullptr;
    m_controls.FindFirst([&](MControl* c) { return (found = search(c)) != nullptr; });
    if (!found)
        m_areas.FindFirst([&](MControl* c) { return (found = search(c)) != nullptr; });
    return found;
}

void MControl::ForgetChild(MControl* child)
{
    if (m_active_child == child)
        m_active_child = nullptr;
}

void MControl::RemoveControl(MControl* child)
{
    if (!child)
        return;
    if (m_manager && m_manager->GetFocusControl() == child)
        m_manager->SetFocusControl(nullptr);
    ForgetChild(child);
    m_controls.Remove(child);
}

void MControl::RemoveAllControl()
{
    m_active_child = nullptr;
    m_areas.Clear();
    m_controls.Clear();
}

LRESULT MControl::SendMessageW(unsigned code, WPARAM wParam, LPARAM lParam)
{
    return m_parent ? m_parent->OnBaseMessage(m_id, code, wParam, lParam) : 0;
}

// ---- drawing ----

void MControl::Draw(MGraphics& g, CRect clip)
{
    if (!IsVisible() || !m_rect.Intersects(clip))
        return;
    m_areas.ForEach([&](MControl* area) {
        if (area->m_rect.Intersects(m_rect))
            area->Draw(g, clip);
    });
    DrawControl(g, clip);
    DrawSubControls(g, clip);
}

MImage& MControl::UpdateMemDC(int w, int h)
{
    if (m_cache.IsNull() || m_cache.Width() != w || m_cache.Height() != h)
        m_cache = MImage::Create(w, h);
    m_cache_valid = 1;
    return m_cache;
}

void MControl::DrawCached(MGraphics& g, std::function<void(MGraphics& face)> const& paint)
{
    if (m_rect.IsRectEmpty())
        return;
    CPoint origin = g.Origin();
    if (!m_cache_valid || m_cache.IsNull()) {
        UpdateMemDC(m_rect.Width(), m_rect.Height());
        MGraphics face(m_cache);
        // Start from the pixels beneath, so translucent faces blend with them.
        face.CopyImage(g.Target(), CRect(CPoint(m_rect.left + origin.x, m_rect.top + origin.y), m_rect.Size()), CPoint());
        face.Translate(-m_rect.left, -m_rect.top);
        paint(face);
    }
    g.CopyImage(m_cache, CRect(CPoint(), m_cache.Size()), m_rect.TopLeft());
}

// ---- mouse routing ----

CPoint MControl::PointForChild(MControl const* child, CPoint original, CPoint adjusted)
{
    return child->m_id == 1 || child->m_id == 2 ? original : adjusted;
}

MControl* MControl::HitChild(CPoint pt) const { return HitChild(pt, pt); }

MControl* MControl::HitChild(CPoint original, CPoint adjusted) const
{
    MControl* hit = nullptr;
    m_controls.ForEach([&](MControl* child) {
        if (child->IsVisible() && child->IsEnabled() && child->m_mouse_response && child->PtInRect(PointForChild(child, original, adjusted)))
            hit = child;
    });
    return hit;
}

int MControl::OnMouseMove(unsigned flags, CPoint pt)
{
    if (!IsVisible() || !m_mouse_response)
        return 0;
    CPoint original = pt;
    OnMousePointChange(pt);
    if (m_active_child) {
        CPoint cp = PointForChild(m_active_child, original, pt);
        if ((m_active_child->PtInRect(cp) && m_active_child->IsVisible()) || m_active_child->OnCheckMouseResponse(flags, cp) || m_pressed) {
            m_active_child->OnMouseMove(flags, cp);
            return 1;
        }
        // The pointer left the active child: it learns so once.
        MControl* old = m_active_child;
        m_active_child = nullptr;
        old->OnMouseMove(0, CPoint(-1, -1));
    }
    if (!m_tooltip.empty() && m_rect.PtInRect(original) && m_manager && m_manager->GetTooltipCtrlID() != static_cast<int>(m_id)) {
        m_manager->SetTooltip(m_tooltip.c_str(), m_rect);
        m_manager->SetTooltipCtrlID(static_cast<int>(m_id));
    }
    OnControlSetCursor(flags, original);
    int used = OnControlMouseMove(flags, original);
    if (!m_pressed) {
        MControl* active = nullptr;
        m_controls.ForEach([&](MControl* child) {
            CPoint cp = PointForChild(child, original, pt);
            if (child->OnMouseMove(flags, cp) && child->PtInRect(cp))
                active = child;
        });
        if (active)
            m_active_child = active;
    }
    return m_active_child ? 1 : used;
}

int MControl::OnLButtonDown(unsigned flags, CPoint pt)
{
    if (!IsVisible() || !m_mouse_response)
        return 0;
    CPoint original = pt;
    m_pressed = m_rect.PtInRect(original) ? 1 : 0;
    OnMousePointChange(pt);
    MControl* hit = HitChild(original, pt);
    if (hit) {
        m_active_child = hit;
        return hit->OnLButtonDown(flags, PointForChild(hit, original, pt));
    }
    if (m_manager && m_manager->GetFocusControl() != this)
        m_manager->SetFocusControl(this);
    return OnControlLButtonDown(flags, original);
}

int MControl::OnLButtonUp(unsigned flags, CPoint pt)
{
    if (!m_mouse_response)
        return 0;
    CPoint original = pt;
    m_pressed = 0;
    OnMousePointChange(pt);
    if (m_active_child)
        return m_active_child->OnLButtonUp(flags, PointForChild(m_active_child, original, pt));
    return OnControlLButtonUp(flags, original);
}

int MControl::OnLButtonDblClk(unsigned flags, CPoint pt)
{
    if (!IsVisible() || !m_mouse_response)
        return 0;
    CPoint original = pt;
    m_pressed = 0;
    OnMousePointChange(pt);
    if (m_active_child) {
        CPoint cp = PointForChild(m_active_child, original, pt);
        int used = m_active_child->OnLButtonDblClk(flags, cp);
        if (!used && !m_active_child->m_dblclk)
            used = m_active_child->OnLButtonDown(flags, cp);
        return used;
    }
    if (!m_dblclk)
        return OnControlLButtonDown(flags, original);
    if (m_dblclk_notify && m_rect.PtInRect(original)) {
        CPoint at = original;
        SendMessageW(NOTIFY_DBLCLK, flags, reinterpret_cast<LPARAM>(&at));
    }
    return OnControlLButtonDblClk(flags, original);
}

int MControl::OnRButtonDown(unsigned flags, CPoint pt)
{
    if (!IsVisible() || !m_mouse_response)
        return 0;
    CPoint original = pt;
    m_right_pressed = m_rect.PtInRect(original) ? 1 : 0;
    OnMousePointChange(pt);
    MControl* hit = HitChild(original, pt);
    if (hit) {
        m_active_child = hit;
        return hit->OnRButtonDown(flags, PointForChild(hit, original, pt));
    }
    return OnControlRButtonDown(flags, original);
}

int MControl::OnRButtonUp(unsigned flags, CPoint pt)
{
    if (!m_mouse_response)
        return 0;
    CPoint original = pt;
    m_right_pressed = 0;
    OnMousePointChange(pt);
    if (m_active_child)
        return m_active_child->OnRButtonUp(flags, PointForChild(m_active_child, original, pt));
    return OnControlRButtonUp(flags, original);
}

int MControl::OnRButtonDblClk(unsigned flags, CPoint pt)
{
    if (!IsVisible() || !m_mouse_response)
        return 0;
    CPoint original = pt;
    OnMousePointChange(pt);
    if (m_active_child)
        return m_active_child->OnRButtonDblClk(flags, PointForChild(m_active_child, original, pt));
    return OnControlRButtonDblClk(flags, original);
}

int MControl::OnScroll(int notches, unsigned direction, CPoint pt)
{
    if (!IsVisible() || !m_mouse_response)
        return 0;
    CPoint original = pt;
    OnMousePointChange(pt);
    if (m_active_child && m_active_child->OnScroll(notches, direction, PointForChild(m_active_child, original, pt)))
        return 1;
    return OnControlScroll(notches, direction, original);
}

// ---- keyboard ----

int MControl::OnKeyDown(unsigned vk, unsigned repeat, unsigned modifiers)
{
    MControl* current = this;
    for (;;) {
        if (!current->IsVisible() || !current->m_mouse_response)
            return 0;
        MControl* focused = current->m_controls.FindFirst([](MControl* c) { return c->m_focused != 0; });
        if (!focused)
            break;
        current = focused;
    }
    current->m_key_down = 1;
    if (current->m_active_child && current->m_active_child->IsVisible() && current->m_active_child->OnControlKeyDown(vk, repeat, modifiers))
        return 1;
    if (current->OnControlKeyDown(vk, repeat, modifiers)) {
        current->SendMessageW(NOTIFY_KEYDOWN, vk, modifiers);
        return 1;
    }
    MControl* taker = current->m_controls.FindFirst([&](MControl* c) { return c->IsVisible() && c->OnControlKeyDown(vk, repeat, modifiers) != 0; });
    current->SendMessageW(NOTIFY_KEYDOWN, vk, modifiers);
    return taker ? 1 : 0;
}

int MControl::OnKeyUp(unsigned vk, unsigned repeat, unsigned modifiers)
{
    m_key_down = 0;
    if (!IsVisible())
        return 0;
    MControl* focused = m_controls.FindFirst([](MControl* c) { return c->m_focused != 0; });
    if (focused)
        return focused->OnKeyUp(vk, repeat, modifiers);
    return OnControlKeyUp(vk, repeat, modifiers);
}

int MControl::OnChar(unsigned ch)
{
    if (!IsVisible())
        return 0;
    MControl* focused = m_controls.FindFirst([](MControl* c) { return c->m_focused != 0; });
    if (focused)
        return focused->OnChar(ch);
    return OnControlChar(ch);
}

int MControl::OnTimer()
{
    int used = OnControlTimer();
    m_controls.ForEach([&](MControl* child) {
        if (child->IsRunTimer() && child->IsVisible() && child->OnTimer())
            used = 1;
    });
    return used;
}

// ---- focus helpers ----

MControl* MControl::GetNextFocusableControl(MControl* current)
{
    auto items = m_controls.Snapshot();
    int start = -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == current)
            start = static_cast<int>(i);
    for (size_t k = 1; k <= items.size(); ++k) {
        MControl* c = items[(start + k + items.size()) % items.size()];
        if (c->IsVisible() && c->IsEnabled() && c->IsTabStop())
            return c;
    }
    return nullptr;
}

MControl* MControl::GetPrevFocusableControl(MControl* current)
{
    auto items = m_controls.Snapshot();
    int n = static_cast<int>(items.size());
    int start = n;
    for (int i = 0; i < n; ++i)
        if (items[i] == current)
            start = i;
    for (int k = 1; k <= n; ++k) {
        MControl* c = items[((start - k) % n + n) % n];
        if (c->IsVisible() && c->IsEnabled() && c->IsTabStop())
            return c;
    }
    return nullptr;
}

MControl* MControl::GetFocusControl(MControl* start)
{
    MControl* from = start ? start : this;
    return from->m_controls.FindFirst([](MControl* c) { return c->m_focused != 0; });
}

}
