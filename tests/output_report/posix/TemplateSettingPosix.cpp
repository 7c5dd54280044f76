#include "output_report/TemplateSetting.h"

#include <cstdlib>

#include "text/Utf.h"

void SetConfiguredTemplateFolder(std::u16string_view folder) {
    setenv("TARVEL_TEMPLATE_PATH", Utf16ToUtf8(folder).c_str(), 1);
}

void ClearConfiguredTemplateFolder() {
    unsetenv("TARVEL_TEMPLATE_PATH");
}
