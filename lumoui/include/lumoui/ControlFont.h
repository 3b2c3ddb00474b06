#pragma once

#include <lumoui/Control.h>
#include <lumoui/Export.h>
#include <lumoui/Graphics.h>
#include <lumoui/Image.h>

namespace LumoUI {

struct ImgResInfo;

// Text rendering hints (kept for callers; the renderer always anti-aliases).
enum TextRenderingHint : int {
    TextRenderingHintSystemDefault = 0,
    TextRenderingHintAntiAlias = 4,
    TextRenderingHintClearTypeGridFit = 5,
};

// A control with a title, a font, text alignment, a text colour and a strip
// image of several equal frames (from the paint manager's image cache).
class LUMOUI_API MControlFont : public MControl {
public:
    MControlFont(int visible = 1, int enabled = 1);
    ~MControlFont() override;

    // ---- virtual operations ----
    // The family name is stored; text is drawn in the process-wide family
    // (only size and style of a control's font matter).
    virtual void SetTextFont(CString const& family);
    virtual void SetTextColor(ARGB color);
    // An image embedded in the library (resource id, e.g. 101/102); 0 when unknown.
    virtual int SetImage(unsigned resId, CString const& resType, int frames);
    // An image from the skin folder, through the cache. 0 when it cannot be
    // loaded (the previous image is kept).
    virtual int SetImage(wchar_t const* file, int frames);
    virtual void SetControlTitle(wchar_t const* title);
    virtual CString GetControlTitle();

    void SetTitle(wchar_t const* title);
    void SetTitle(CString const& title) { SetTitle(title.c_str()); }
    CString GetTitle() { return GetControlTitle(); }
    // Stores family, size and style; no repaint.
    void SetFont(wchar_t const* family, int size, int style = FontStyleRegular);
    void SetFontStyle(int style) { m_font_style = style; }
    int GetFontStyle() const { return m_font_style; }
    void SetFontWidth(int size) { m_font_size = size; }
    int GetFontWidth() const { return m_font_size; }
    CString GetTextFont() const { return m_font_family; }
    ARGB GetTextColor() const { return m_text_color; }
    // The font to draw the title with: process-wide family, own size and style.
    MFont GetFont() const;
    // Horizontal DT_LEFT/DT_CENTER/DT_RIGHT, vertical DT_TOP/DT_VCENTER/DT_BOTTOM.
    void SetAlignment(unsigned horizontal);
    void SetVAlignment(unsigned vertical);
    void SetAlignment(unsigned horizontal, unsigned vertical);
    void GetAlignment(unsigned& horizontal, unsigned& vertical) const;
    void SetTextRenderingHint(int hint) { m_text_hint = hint; }
    // Draws the title in rc with the control's font, colour and alignment.
    void DrawTitle(MGraphics& g, CRect rc, ARGB color) const;
    void DrawTitle(MGraphics& g, CRect rc) const { DrawTitle(g, rc, m_text_color); }

    void SetImageCount(int frames) { m_frame_count = frames; }
    int GetImageCount() const { return m_frame_count; }
    CString GetImagePath() const { return m_image_path; }
    // Width and height of one frame.
    CSize GetImageSize() const { return { m_frame_width, m_frame_height }; }
    MImage const& GetImage() const { return m_image; }
    // Source rectangle of frame `index` (clamped to the last frame).
    CRect GetFrameRect(int index) const;

protected:
    CString m_title;
    CString m_font_family;
    CString m_image_path;
    int m_font_size;
    ARGB m_text_color { 0xFFFFFFFF };
    int m_font_style { FontStyleRegular };
    unsigned m_halign { DT_LEFT };
    unsigned m_valign { DT_VCENTER };
    int m_text_hint { TextRenderingHintClearTypeGridFit };
    MImage m_image;
    int m_frame_width { 0 };
    int m_frame_height { 0 };
    int m_frame_count { 4 };

private:
    // Shows a cached image; `path` is what GetImagePath reports.
    int TakeImage(ImgResInfo const& info, CString const& path);
};

}
