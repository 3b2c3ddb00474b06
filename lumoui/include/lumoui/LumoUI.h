#pragma once

// Everything a program or a control needs from the toolkit.
#include <lumoui/Area.h>
#include <lumoui/Control.h>
#include <lumoui/ControlFactory.h>
#include <lumoui/ControlFont.h>
#include <lumoui/Dialog.h>
#include <lumoui/Graphics.h>
#include <lumoui/Image.h>
#include <lumoui/ImageList.h>
#include <lumoui/Manager.h>
#include <lumoui/Messages.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Panel.h>
#include <lumoui/Render.h>
#include <lumoui/Timer.h>
#include <lumoui/Types.h>
#include <lumoui/Window.h>
#include <lumoui/WindowSystem.h>
