// Setting and clearing the user's configured template folder as the user would: the environment
// variable TARVEL_TEMPLATE_PATH on Linux, the registry value "TemplatePath" on Windows.
#pragma once

#include <string_view>

void SetConfiguredTemplateFolder(std::u16string_view folder);
void ClearConfiguredTemplateFolder();
