#!/usr/bin/env python3
"""Writes the keyboard layout files data/layouts/tk301.xml, tk202.xml and tk108.xml.

Keys are placed on a grid of key units (1 u = 46 px, 4 px between tiles,
18 px border around the picture). A key's matrix cell is its row and the
whole unit its left edge falls in, its key index row * columns + column, and
its light index its position in file order. Run from the repository root:

    python3 tools/layoutgen/generate_layouts.py
"""
import os
from xml.sax.saxutils import quoteattr

UNIT = 46
GAP = 4
BORDER = 18

# code, caption, title, width (u), icon
def k(code, caption, title=None, width=1.0, icon="", height=1.0):
    return dict(code=code, caption=caption, title=title or caption, width=width, icon=icon, height=height)

def letters(chars):
    return [k(4 + ord(c) - ord("A"), c) for c in chars]

F_KEYS = [k(0x3A + i, "F%d" % (i + 1)) for i in range(12)]
NUMBER_ROW = [k(0x35, "`", "Grave accent")] + [k(0x1E + i, str((i + 1) % 10)) for i in range(10)] + [
    k(0x2D, "-", "Minus"), k(0x2E, "=", "Equals"), k(0x2A, "Backspace", width=2.0)]
TAB_ROW = [k(0x2B, "Tab", width=1.5)] + letters("QWERTYUIOP") + [
    k(0x2F, "[", "Left bracket"), k(0x30, "]", "Right bracket"), k(0x31, "\\", "Backslash", 1.5)]
CAPS_ROW = [k(0x39, "Caps", "Caps Lock", 1.75)] + letters("ASDFGHJKL") + [
    k(0x33, ";", "Semicolon"), k(0x34, "'", "Apostrophe"), k(0x28, "Enter", width=2.25)]
SHIFT_ROW = [k(0xE1, "Shift", "Left Shift", 2.25)] + letters("ZXCVBNM") + [
    k(0x36, ",", "Comma"), k(0x37, ".", "Period"), k(0x38, "/", "Slash"), k(0xE5, "Shift", "Right Shift", 2.75)]
BOTTOM_ROW = [k(0xE0, "Ctrl", "Left Ctrl", 1.25), k(0xE3, "Win", "Left Windows", 1.25),
              k(0xE2, "Alt", "Left Alt", 1.25), k(0x2C, "", "Space", 6.25), k(0xE6, "Alt", "Right Alt", 1.25),
              k(0xAF, "Fn", "Fn", 1.25), k(0x65, "Menu", "Application", 1.25), k(0xE4, "Ctrl", "Right Ctrl", 1.25)]

def at(x, keys):
    """Places keys left to right from x; returns (x, key) pairs."""
    placed = []
    for key in keys:
        placed.append((x, key))
        x += key["width"]
    return placed

def full_size():
    rows = []
    rows.append(at(0, [k(0x29, "Esc", "Escape")]) + at(2, F_KEYS[0:4]) + at(6.5, F_KEYS[4:8]) + at(11, F_KEYS[8:12])
                + at(15.25, [k(0x46, "PrtSc", "Print Screen"), k(0x47, "ScrLk", "Scroll Lock"), k(0x48, "Pause")])
                + at(18.5, [k(237, "", "Previous track", icon="icon//icon_pre.png"),
                            k(238, "", "Play / Pause", icon="icon//icon_playpause.png"),
                            k(239, "", "Next track", icon="icon//icon_next.png"),
                            k(235, "", "Mute", icon="icon//icon_vol_mute.png")]))
    rows.append(at(0, NUMBER_ROW) + at(15.25, [k(0x49, "Ins", "Insert"), k(0x4A, "Home"), k(0x4B, "PgUp", "Page Up")])
                + at(18.5, [k(0x53, "Num", "Num Lock"), k(0x54, "/", "Keypad /"), k(0x55, "*", "Keypad *"),
                            k(0x56, "-", "Keypad -")]))
    rows.append(at(0, TAB_ROW) + at(15.25, [k(0x4C, "Del", "Delete"), k(0x4D, "End"), k(0x4E, "PgDn", "Page Down")])
                + at(18.5, [k(0x5F, "7", "Keypad 7"), k(0x60, "8", "Keypad 8"), k(0x61, "9", "Keypad 9"),
                            k(0x57, "+", "Keypad +", height=2.0)]))
    rows.append(at(0, CAPS_ROW) + at(18.5, [k(0x5C, "4", "Keypad 4"), k(0x5D, "5", "Keypad 5"), k(0x5E, "6", "Keypad 6")]))
    rows.append(at(0, SHIFT_ROW) + at(16.25, [k(0x52, "\u2191", "Up")])
                + at(18.5, [k(0x59, "1", "Keypad 1"), k(0x5A, "2", "Keypad 2"), k(0x5B, "3", "Keypad 3"),
                            k(0x58, "Enter", "Keypad Enter", height=2.0)]))
    rows.append(at(0, BOTTOM_ROW) + at(15.25, [k(0x50, "\u2190", "Left"), k(0x51, "\u2193", "Down"), k(0x4F, "\u2192", "Right")])
                + at(18.5, [k(0x62, "0", "Keypad 0", 2.0), k(0x63, ".", "Keypad .")]))
    # The function row stands a quarter unit above the others.
    return rows, [0, 1.25, 2.25, 3.25, 4.25, 5.25], 22.5

def tenkeyless():
    rows, tops, _ = full_size()
    cut = [[(x, key) for x, key in row if x < 18] for row in rows]
    return cut, tops, 18.25

def sixty_percent():
    number = [k(0x29, "Esc", "Escape")] + NUMBER_ROW[1:]
    rows = [at(0, number), at(0, TAB_ROW), at(0, CAPS_ROW), at(0, SHIFT_ROW), at(0, BOTTOM_ROW)]
    return rows, [0, 1, 2, 3, 4], 15

def light_modes(modes, names):
    # Each model names its modes from its own block of language texts, because
    # the same mode number is a different effect in another protocol family.
    return "".join('<info name="%d" mode="%d" attribute="%d"/>\n' % (names + mode, mode, attribute)
                   for mode, attribute in modes)

# Attribute bits: 0x1 brightness, 0x2 speed, 0x4 horizontal direction,
# 0x8 vertical direction, 0x10 free colour, 0x20 current colour and
# multicolour, 0x40 preset colours, 0x80 gradient colours, 0x100 per-key
# colours, 0x200 music, 0x400 screen colours.
MODES_301 = [(1, 0x71), (2, 0x73), (3, 0x03), (4, 0x87), (5, 0x8B), (6, 0x73), (7, 0x73), (8, 0x43), (9, 0x37),
             (10, 0x03), (11, 0x83), (12, 0x73), (13, 0x73), (14, 0x07), (15, 0x73), (16, 0x37), (17, 0x87),
             (18, 0x73), (24, 0x131), (25, 0x201), (26, 0x401)]
MODES_202 = [(1, 0x71), (2, 0x73), (3, 0x03), (4, 0x37), (5, 0x73), (6, 0x73), (7, 0x43), (8, 0x87), (9, 0x03),
             (10, 0x73), (11, 0x83), (12, 0x73), (25, 0x201)]
MODES_108 = [(1, 0x01), (2, 0x03), (3, 0x07), (4, 0x03), (5, 0x03), (6, 0x03), (7, 0x101)]

def write_layout(path, rows, tops, width_units, columns, modes, names, rgb, firmware, locked, xpos, ypos, image, menu):
    width = int(round(width_units * UNIT)) + 2 * BORDER
    height = int(round((tops[-1] + 1) * UNIT)) + 2 * BORDER
    out = ['<?xml version="1.0" encoding="UTF-8"?>\n<device.info>\n']
    out.append('<menu macro="%d" light_mode="%d"/>\n' % menu)
    out.append('<function sleep_time="1"/>\n')
    out.append('<firmware version="%s" file="%s" url="%s" dongle_url="%s"/>\n' % firmware)
    out.append('<light rgb_keyboard="%d" default_mode="%d" default_brightness="4" default_speed="3" '
               'brightness_max="5" speed_max="5">\n' % (1 if rgb else 0, modes[0][0] if not rgb else 4))
    out.append(light_modes(modes, names))
    out.append('</light>\n')
    out.append('<Keyboard xpos="%d" ypos="%d" width="%d" height="%d" image="%s" row_count="%d" col_count="%d">\n'
               % (xpos, ypos, width, height, image, len(rows), columns))
    out.append('<KeyItems>\n')
    light = 0
    for row, (top, keys) in enumerate(zip(tops, rows)):
        for x, key in keys:
            column = int(x)
            assert column < columns
            left = BORDER + int(round(x * UNIT))
            y = BORDER + int(round(top * UNIT))
            w = int(round(key["width"] * UNIT)) - GAP
            h = int(round(key["height"] * UNIT)) - GAP
            out.append('<key code="%X" name=%s desc=%s key_index="%d" light_index="%d" icon=%s fnlayer_disable="%d" '
                       'row_col="%d,%d" rect="%d#%d#%d#%d"/>\n'
                       % (key["code"], quoteattr(key["caption"]), quoteattr(key["title"]), row * columns + column,
                          light, quoteattr(key["icon"]), 1 if key["code"] in locked else 0, row, column,
                          left, y, w, h))
            light += 1
    out.append('</KeyItems>\n</Keyboard>\n</device.info>\n')
    with open(path, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("".join(out))
    return light

def main():
    folder = os.path.join("data", "layouts")
    os.makedirs(folder, exist_ok=True)
    base = "https://update.tesserakeys.example/firmware/"
    rows, tops, width = full_size()
    count = write_layout(os.path.join(folder, "tk301.xml"), rows, tops, width, 22, MODES_301, 400, True,
                         ("100", "FirmwareUpdateTool-100.zip", base + "tk301/", base + "tk301-dongle/"),
                         {0xAF, 0xE3}, 104, 150, "tk301.png", (1, 1))
    assert count == 108, count
    rows, tops, width = tenkeyless()
    count = write_layout(os.path.join(folder, "tk202.xml"), rows, tops, width, 18, MODES_202, 430, True,
                         ("105", "FirmwareUpdateTool-105.zip", base + "tk202/", base + "tk202-dongle/"),
                         {0xAF, 0xE3}, 202, 160, "tk202.png", (1, 1))
    assert count == 87, count
    rows, tops, width = sixty_percent()
    count = write_layout(os.path.join(folder, "tk108.xml"), rows, tops, width, 15, MODES_108, 460, False,
                         ("200", "FirmwareUpdateTool-200.zip", base + "tk108/", ""),
                         {0xAF}, 277, 180, "tk108.png", (1, 1))
    assert count == 61, count

if __name__ == "__main__":
    main()
