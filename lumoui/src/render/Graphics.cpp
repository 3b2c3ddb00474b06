#include <lumoui/Graphics.h>

#include "render/Fonts.h"
#include "render/ImageData.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace LumoUI {

struct MGraphics::State {
    cairo_t* cr { nullptr };
    int dx { 0 };
    int dy { 0 };
    std::vector<CPoint> saved;
};

namespace {

void SetColor(cairo_t* cr, ARGB c)
{
    cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, ((c >> 24) & 0xFF) / 255.0);
}

void RectPath(cairo_t* cr, CRect rc) { cairo_rectangle(cr, rc.left, rc.top, rc.Width(), rc.Height()); }

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double rx, double ry)
{
    rx = std::min(rx, w / 2);
    ry = std::min(ry, h / 2);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, x, y, w, h);
        return;
    }
    cairo_new_sub_path(cr);
    auto corner = [&](double cx, double cy, double a1, double a2) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, a1, a2);
        cairo_restore(cr);
    };
    double const pi = std::numbers::pi;
    corner(x + w - rx, y + ry, -pi / 2, 0);
    corner(x + w - rx, y + h - ry, 0, pi / 2);
    corner(x + rx, y + h - ry, pi / 2, pi);
    corner(x + rx, y + ry, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

// Ellipses and arcs start a sub-path of their own: text leaves the current
// point where it ended, and cairo would join the shape to it with a line.
void EllipsePath(cairo_t* cr, CRect rc)
{
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, rc.left + rc.Width() / 2.0, rc.top + rc.Height() / 2.0);
    cairo_scale(cr, std::max(rc.Width(), 1) / 2.0, std::max(rc.Height(), 1) / 2.0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
}

// An arc of the ellipse in rc, angles in degrees clockwise from 3 o'clock;
// a pie also takes the centre.
void ArcPath(cairo_t* cr, CRect rc, float start, float sweep, bool pie)
{
    double const toRad = std::numbers::pi / 180.0;
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, rc.left + rc.Width() / 2.0, rc.top + rc.Height() / 2.0);
    cairo_scale(cr, std::max(rc.Width(), 1) / 2.0, std::max(rc.Height(), 1) / 2.0);
    if (pie)
        cairo_move_to(cr, 0, 0);
    if (sweep >= 0)
        cairo_arc(cr, 0, 0, 1, start * toRad, (start + sweep) * toRad);
    else
        cairo_arc_negative(cr, 0, 0, 1, start * toRad, (start + sweep) * toRad);
    if (pie)
        cairo_close_path(cr);
    cairo_restore(cr);
}

// Every shape begins with an empty path and ends filled or stroked.
template<typename Build>
void Fill(cairo_t* cr, ARGB color, Build const& build)
{
    cairo_new_path(cr);
    SetColor(cr, color);
    build();
    cairo_fill(cr);
}

template<typename Build>
void Stroke(cairo_t* cr, ARGB color, float width, Build const& build)
{
    cairo_new_path(cr);
    SetColor(cr, color);
    cairo_set_line_width(cr, width);
    build();
    cairo_stroke(cr);
}

cairo_surface_t* SurfaceOf(MImage const& image) { return image.IsNull() ? nullptr : image.data()->surface; }

}

MGraphics::MGraphics(MImage& target)
    : m_target(target)
    , m_state(std::make_unique<State>())
{
    if (cairo_surface_t* s = SurfaceOf(m_target))
        m_state->cr = cairo_create(s);
}

MGraphics::~MGraphics()
{
    if (m_state->cr) {
        cairo_destroy(m_state->cr);
        cairo_surface_flush(SurfaceOf(m_target));
    }
}

CPoint MGraphics::Origin() const { return { m_state->dx, m_state->dy }; }

void MGraphics::Save()
{
    if (!m_state->cr)
        return;
    cairo_save(m_state->cr);
    m_state->saved.push_back({ m_state->dx, m_state->dy });
}

void MGraphics::Restore()
{
    if (!m_state->cr || m_state->saved.empty())
        return;
    cairo_restore(m_state->cr);
    m_state->dx = m_state->saved.back().x;
    m_state->dy = m_state->saved.back().y;
    m_state->saved.pop_back();
}

void MGraphics::Translate(int dx, int dy)
{
    if (!m_state->cr)
        return;
    cairo_translate(m_state->cr, dx, dy);
    m_state->dx += dx;
    m_state->dy += dy;
}

void MGraphics::ClipRect(CRect rc)
{
    if (!m_state->cr)
        return;
    RectPath(m_state->cr, rc);
    cairo_clip(m_state->cr);
}

void MGraphics::SetAntialias(bool on)
{
    if (m_state->cr)
        cairo_set_antialias(m_state->cr, on ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void MGraphics::Clear(CRect rc, ARGB color)
{
    cairo_t* cr = m_state->cr;
    if (!cr)
        return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    SetColor(cr, color);
    RectPath(cr, rc);
    cairo_fill(cr);
    cairo_restore(cr);
}

void MGraphics::FillRect(CRect rc, ARGB color)
{
    if (m_state->cr && !rc.IsRectEmpty())
        Fill(m_state->cr, color, [&] { RectPath(m_state->cr, rc); });
}

void MGraphics::DrawRect(CRect rc, ARGB color, float width)
{
    cairo_t* cr = m_state->cr;
    if (!cr || rc.IsRectEmpty())
        return;
    double const half = width / 2.0;
    Stroke(cr, color, width, [&] { cairo_rectangle(cr, rc.left + half, rc.top + half, rc.Width() - width, rc.Height() - width); });
}

void MGraphics::FillRoundRect(CRect rc, float rx, float ry, ARGB color)
{
    cairo_t* cr = m_state->cr;
    if (cr && !rc.IsRectEmpty())
        Fill(cr, color, [&] { RoundRectPath(cr, rc.left, rc.top, rc.Width(), rc.Height(), rx, ry); });
}

void MGraphics::DrawRoundRect(CRect rc, float rx, float ry, ARGB color, float width)
{
    cairo_t* cr = m_state->cr;
    if (!cr || rc.IsRectEmpty())
        return;
    double const half = width / 2.0;
    Stroke(cr, color, width, [&] { RoundRectPath(cr, rc.left + half, rc.top + half, rc.Width() - width, rc.Height() - width, rx, ry); });
}

void MGraphics::DrawLine(CPoint from, CPoint to, ARGB color, float width, bool dotted)
{
    cairo_t* cr = m_state->cr;
    if (!cr)
        return;
    cairo_save(cr);
    if (dotted) {
        double dash[] = { width, width };
        cairo_set_dash(cr, dash, 2, 0);
    }
    // Centre one-pixel lines on pixels so they stay crisp.
    double const offset = std::fmod(width, 2.0f) == 1.0 ? 0.5 : 0.0;
    Stroke(cr, color, width, [&] {
        cairo_move_to(cr, from.x + offset, from.y + offset);
        cairo_line_to(cr, to.x + offset, to.y + offset);
    });
    cairo_restore(cr);
}

void MGraphics::DrawDottedRect(CRect rc, ARGB color, float width)
{
    cairo_t* cr = m_state->cr;
    if (!cr || rc.IsRectEmpty())
        return;
    cairo_save(cr);
    double dash[] = { width, width };
    cairo_set_dash(cr, dash, 2, 0);
    DrawRect(rc, color, width);
    cairo_restore(cr);
}

void MGraphics::FillEllipse(CRect rc, ARGB color)
{
    cairo_t* cr = m_state->cr;
    if (cr && !rc.IsRectEmpty())
        Fill(cr, color, [&] { EllipsePath(cr, rc); });
}

void MGraphics::DrawEllipse(CRect rc, ARGB color, float width)
{
    cairo_t* cr = m_state->cr;
    if (cr && !rc.IsRectEmpty())
        Stroke(cr, color, width, [&] { EllipsePath(cr, rc); });
}

void MGraphics::DrawArc(CRect rc, float start, float sweep, ARGB color, float width)
{
    cairo_t* cr = m_state->cr;
    if (cr && !rc.IsRectEmpty())
        Stroke(cr, color, width, [&] { ArcPath(cr, rc, start, sweep, false); });
}

void MGraphics::FillPie(CRect rc, float start, float sweep, ARGB color)
{
    cairo_t* cr = m_state->cr;
    if (cr && !rc.IsRectEmpty())
        Fill(cr, color, [&] { ArcPath(cr, rc, start, sweep, true); });
}

void MGraphics::FillPolygon(CPoint const* points, int count, ARGB color)
{
    cairo_t* cr = m_state->cr;
    if (!cr || !points || count < 3)
        return;
    Fill(cr, color, [&] {
        cairo_move_to(cr, points[0].x, points[0].y);
        for (int i = 1; i < count; ++i)
            cairo_line_to(cr, points[i].x, points[i].y);
        cairo_close_path(cr);
    });
}

void MGraphics::FillGradient(CRect rc, ARGB from, ARGB to, bool vertical)
{
    cairo_t* cr = m_state->cr;
    if (!cr || rc.IsRectEmpty())
        return;
    cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(0, rc.top, 0, rc.bottom) : cairo_pattern_create_linear(rc.left, 0, rc.right, 0);
    auto stop = [p](double at, ARGB c) {
        cairo_pattern_add_color_stop_rgba(p, at, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, ((c >> 24) & 0xFF) / 255.0);
    };
    stop(0, from);
    stop(1, to);
    cairo_set_source(cr, p);
    RectPath(cr, rc);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void MGraphics::DrawImage(MImage const& image, CPoint at, float opacity)
{
    DrawImage(image, CRect(at, image.Size()), CRect(CPoint(), image.Size()), opacity);
}

void MGraphics::DrawImage(MImage const& image, CRect dst, float opacity)
{
    DrawImage(image, dst, CRect(CPoint(), image.Size()), opacity);
}

void MGraphics::DrawImage(MImage const& image, CRect dst, CRect src, float opacity)
{
    cairo_t* cr = m_state->cr;
    cairo_surface_t* s = SurfaceOf(image);
    if (!cr || !s || dst.IsRectEmpty() || src.IsRectEmpty())
        return;
    cairo_save(cr);
    RectPath(cr, dst);
    cairo_clip(cr);
    cairo_translate(cr, dst.left, dst.top);
    double sx = static_cast<double>(dst.Width()) / src.Width();
    double sy = static_cast<double>(dst.Height()) / src.Height();
    cairo_scale(cr, sx, sy);
    cairo_set_source_surface(cr, s, -src.left, -src.top);
    cairo_pattern_t* pattern = cairo_get_source(cr);
    // Stretched edges must not blend with neighbouring frames of a strip.
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern, (sx == 1.0 && sy == 1.0) ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    if (sx != 1.0 || sy != 1.0) {
        // Sample only inside src: draw through a sub-surface.
        cairo_surface_t* sub = cairo_surface_create_for_rectangle(s, src.left, src.top, src.Width(), src.Height());
        cairo_set_source_surface(cr, sub, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_surface_destroy(sub);
    }
    if (opacity >= 1.0f)
        cairo_paint(cr);
    else
        cairo_paint_with_alpha(cr, std::max(0.0f, opacity));
    cairo_restore(cr);
}

void MGraphics::DrawImageFrame(MImage const& image, CRect dst, CRect src, int corner)
{
    DrawImageFrame(image, dst, src, corner, corner, corner, corner);
}

void MGraphics::DrawImageFrame(MImage const& image, CRect dst, CRect src, int l, int t, int r, int b)
{
    if (image.IsNull() || dst.IsRectEmpty() || src.IsRectEmpty())
        return;
    int const dx[4] = { dst.left, dst.left + l, dst.right - r, dst.right };
    int const dy[4] = { dst.top, dst.top + t, dst.bottom - b, dst.bottom };
    int const sx[4] = { src.left, src.left + l, src.right - r, src.right };
    int const sy[4] = { src.top, src.top + t, src.bottom - b, src.bottom };
    // Columns first (left, middle, right); in each column top, middle, bottom.
    static constexpr int kOrder[9][2] = { { 0, 0 }, { 0, 1 }, { 0, 2 }, { 1, 0 }, { 2, 0 }, { 2, 1 }, { 2, 2 }, { 1, 2 }, { 1, 1 } };
    for (auto const& cell : kOrder) {
        int c = cell[0], row = cell[1];
        CRect d(dx[c], dy[row], dx[c + 1], dy[row + 1]);
        CRect s(sx[c], sy[row], sx[c + 1], sy[row + 1]);
        DrawImage(image, d, s);
    }
}

void MGraphics::CopyImage(MImage const& image, CRect src, CPoint at)
{
    cairo_t* cr = m_state->cr;
    cairo_surface_t* s = SurfaceOf(image);
    if (!cr || !s || src.IsRectEmpty())
        return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, at.x, at.y, src.Width(), src.Height());
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, at.x - src.left, at.y - src.top);
    cairo_paint(cr);
    cairo_restore(cr);
}

namespace {

PangoLayout* MakeLayout(cairo_t* cr, CString const& text, MFont const& font, int width, unsigned format)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoContext* context = pango_layout_get_context(layout);
    pango_context_set_language(context, Fonts::Language());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
    PangoFontDescription* desc = Fonts::Describe(font);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    std::string utf8 = ToUtf8(text);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    PangoAttrList* attrs = pango_attr_list_new();
    if (font.style & FontStyleUnderline)
        pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.style & FontStyleStrikeout)
        pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
    if (width > 0) {
        pango_layout_set_width(layout, width * PANGO_SCALE);
        if (format & DT_WORDBREAK)
            pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        else
            pango_layout_set_ellipsize(layout, (format & DT_END_ELLIPSIS) ? PANGO_ELLIPSIZE_END : PANGO_ELLIPSIZE_NONE);
        if (format & DT_CENTER)
            pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
        else if (format & DT_RIGHT)
            pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
    }
    if (!(format & DT_WORDBREAK))
        pango_layout_set_single_paragraph_mode(layout, TRUE);
    return layout;
}

// A 1 × 1 context per thread for measuring text, freed with the thread.
struct MeasureSurface {
    cairo_surface_t* surface { cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1) };
    cairo_t* cr { cairo_create(surface) };
    ~MeasureSurface()
    {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
};

cairo_t* MeasureContext()
{
    thread_local MeasureSurface s_measure;
    return s_measure.cr;
}

}

void MGraphics::DrawText(CString const& text, CRect rc, MFont const& font, ARGB color, unsigned format)
{
    cairo_t* cr = m_state->cr;
    if (!cr || text.empty() || rc.IsRectEmpty())
        return;
    bool wrap = format & DT_WORDBREAK;
    bool ellipsis = format & DT_END_ELLIPSIS;
    PangoLayout* layout = MakeLayout(cr, text, font, (wrap || ellipsis || (format & (DT_CENTER | DT_RIGHT))) ? rc.Width() : -1, format);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    int const x = rc.left;
    int y = rc.top;
    if (format & DT_VCENTER)
        y = rc.top + (rc.Height() - h) / 2;
    else if (format & DT_BOTTOM)
        y = rc.bottom - h;
    cairo_save(cr);
    RectPath(cr, rc);
    cairo_clip(cr);
    SetColor(cr, color);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    cairo_new_path(cr); // the text's end point is no start for the next shape
    cairo_restore(cr);
    g_object_unref(layout);
}

CSize MGraphics::MeasureText(CString const& text, MFont const& font, int maxWidth)
{
    if (text.empty())
        return {};
    PangoLayout* layout = MakeLayout(MeasureContext(), text, font, maxWidth, maxWidth > 0 ? static_cast<unsigned>(DT_WORDBREAK) : 0u);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    g_object_unref(layout);
    return { w, h };
}

}
