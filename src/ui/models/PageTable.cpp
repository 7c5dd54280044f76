#include "ui/models/PageTable.h"

#include "text/StringTable.h"

PageColumn MakePageColumn(uint32_t headerId, bool visible, int32_t widthPixels) {
    PageColumn column;
    column.headerId = headerId;
    column.header = std::u16string(LoadText(headerId));
    column.widthPixels = visible ? widthPixels : 0;
    return column;
}
