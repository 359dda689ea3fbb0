// Builds a window from a layout: an XML element tree whose tags are the
// element kinds (window, container, toolbar, button, edit, text, picture,
// list, combobox, slider, plus stretch and space inside box layouts).
//
// Attributes: id, name, class (style-sheet class), caption, tooltip,
// accessible (accessible name), font ("@NAME" of the resource table), color,
// width/height (fixed), minwidth/minheight/maxwidth/maxheight, stretch,
// x/y (in a parent with layout="none"), visible="false".
// Containers and the window: layout="vbox|hbox|stack|none", spacing,
// margins="l,t,r,b", background (a picture of the archive).
// Buttons: type="check|radio", action="close|minimize", icon, iconsize,
// iconabove="true", align="left". Texts: align="left|center|right", wrap.
// Pictures: src. Edits: text, placeholder, align.
#pragma once
#include <string_view>

#include "widgets.h"

// nullptr when the text is not a layout with a window at its root.
XWindowElement* BuildWindowFromLayout(std::string_view utf8Xml);
