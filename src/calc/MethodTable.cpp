#include "calc/MethodTable.h"

#include "calc/bindings/Gost31371Binding.h"

MethodTable MethodTableOf(int32_t method) {
    MethodTable table;
    table.rows = MetrologyTableForMethod(method, &table.rowCount);
    return table;
}
