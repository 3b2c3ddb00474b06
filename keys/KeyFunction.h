#pragma once

namespace Tessera {

// The function a key carries (the macro_type of its KeyMacroData row). A key
// without a row does its own function. Value 4 is not used.
enum KeyFunctionType : int {
    FuncDefault = 0,
    FuncDisabled = 1,
    FuncKey = 2,           // macro_value: key code below 500, macro_value2: modifier mask
    FuncMacro = 3,         // macro_value: macro_id
    FuncMouse = 5,         // 1 left, 2 middle, 3 right, 7 fourth, 8 fifth button
    FuncMultimedia = 6,    // 1 play/pause … 7 mute
    FuncShortcut = 7,      // row 1-15 of ShortcutTable
    FuncLaunchProgram = 8, // these four: macro_value is a KeyOtherData id and
    FuncOpenWebsite = 9,   // the program carries the function out itself
    FuncTypeText = 10,
    FuncSwitchProfile = 11,
    FuncKeyHigh = 12,      // a key value of 500 or more
};

// Modifier mask of FuncKey, in the bit order of the HID boot keyboard's
// modifier byte (left-hand keys).
enum ModifierMask : int {
    ModCtrl = 1,
    ModShift = 2,
    ModAlt = 4,
    ModWin = 8,
};

// Language text that names each function type's category on the key tip;
// 0 when the type has none.
int KeyFunctionCategoryText(int type);

}
