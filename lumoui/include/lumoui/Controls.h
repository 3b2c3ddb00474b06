#pragma once

// Every simple control, menu and pop-up of the toolkit (buttons, texts,
// pictures, sliders, tabs, combo boxes, device and battery controls, the
// colour wheel, the edit, menus, pop-ups and the key tip window).
#include <lumoui/BatteryCtrl.h>
#include <lumoui/ButtonBase.h>
#include <lumoui/CDeviceCtrl.h>
#include <lumoui/CKeyboardTips.h>
#include <lumoui/CheckButtons.h>
#include <lumoui/CirclePalette.h>
#include <lumoui/Clipboard.h>
#include <lumoui/GroupButtons.h>
#include <lumoui/MButton.h>
#include <lumoui/MComboBox.h>
#include <lumoui/MEdit.h>
#include <lumoui/MPicture.h>
#include <lumoui/MPopupWnd.h>
#include <lumoui/MSlider.h>
#include <lumoui/MTabCtrl.h>
#include <lumoui/MText.h>
#include <lumoui/MenuWnd.h>
#include <lumoui/StatusButtons.h>
