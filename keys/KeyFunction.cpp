#include "keys/KeyFunction.h"

namespace Tessera {

int KeyFunctionCategoryText(int type)
{
    switch (type) {
    case FuncDisabled: return 202;
    case FuncKey: return 205;
    case FuncMacro: return 206;
    case FuncMouse: return 207;
    case FuncMultimedia: return 208;
    case FuncShortcut: return 209;
    case FuncLaunchProgram: return 210;
    case FuncOpenWebsite: return 211;
    case FuncTypeText: return 212;
    case FuncKeyHigh: return 205;
    default: return 0;
    }
}

}
