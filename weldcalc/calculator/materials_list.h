// The materials drop-down: choosing a material writes its density.
#pragma once
#include "xcgui.h"

#include <string_view>

// itemTemplate: the combobox item template carried in the program.
void FillMaterialList(std::string_view itemTemplate);
int OpenMaterialDropDown(unsigned flags, XPoint* point, bool* handled);
int OnMaterialSelected(int index, bool* handled);
